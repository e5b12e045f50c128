#pragma once

// What the fuzz targets share: a check that aborts, which libFuzzer reports as
// a crash together with the input that caused it, and a scratch folder where
// each input is written as a real file for the readers to open.

#include "data/atomicfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline void checkAt(bool condition, int line) {
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}
// The line of a failed check is printed, so a crash report says which rule broke.
#define check(condition) checkAt((condition), __LINE__)

// A fresh folder for the whole process, without a trailing "/". A memory file
// system, where there is one, keeps the runs fast: a sync costs nothing there.
inline std::string makeScratchFolder() {
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    pattern += "/stridewell-fuzz-XXXXXX";
    check(::mkdtemp(pattern.data()) != nullptr);
    return pattern;
}

inline void writeInput(const std::string& path, const uint8_t* data, size_t size) {
    writefileatomically(path, std::string(reinterpret_cast<const char*>(data), size));
}
