#pragma once

#include <cstdio>
#include <string>
#include <unistd.h>

// Everything written to the process's stderr (by C, C++ or Qt) from its
// creation until finish(), which returns it.
class StderrCapture final {
public:
    StderrCapture() {
        std::fflush(stderr);
        m_saved = ::dup(2);
        m_file = std::tmpfile();
        ::dup2(::fileno(m_file), 2);
    }
    ~StderrCapture() { finish(); }
    std::string finish() {
        if (m_saved >= 0) {
            std::fflush(stderr);
            ::dup2(m_saved, 2);
            ::close(m_saved);
            m_saved = -1;
            std::rewind(m_file);
            char buffer[4096];
            size_t got = 0;
            while ((got = std::fread(buffer, 1, sizeof buffer, m_file)) > 0)
                m_text.append(buffer, got);
            std::fclose(m_file);
        }
        return m_text;
    }

private:
    int m_saved = -1;
    std::FILE* m_file = nullptr;
    std::string m_text;
};
