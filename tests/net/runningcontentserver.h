#pragma once

#include "contentserver/contentserver.h"

#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

// The project's content server, serving a folder on 127.0.0.1 from a thread
// of this process, with a log of the requests it answered.
class RunningContentServer final {
public:
    explicit RunningContentServer(const std::string& folder) : m_server(folder) {
        m_server.setlog([this](const std::string& line) {
            const std::lock_guard lock(m_mutex);
            m_log.push_back(line);
        });
        m_port = m_server.bind("127.0.0.1", 0);
        m_thread = std::thread([this] { m_server.listen(); });
        if (m_port <= 0 || !m_server.waitUntilListening()) {
            m_server.stop();
            m_thread.join();
            throw std::runtime_error("the content server did not start");
        }
    }
    ~RunningContentServer() {
        m_server.stop();
        m_thread.join();
    }
    int port() const { return m_port; }
    std::vector<std::string> log() const {
        const std::lock_guard lock(m_mutex);
        return m_log;
    }

private:
    ContentServer m_server;
    int m_port = -1;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_log;
};
