#pragma once

// What the fuzz targets share: a check that aborts, which libFuzzer reports as
// a crash together with the input that caused it, and a scratch folder where
// each input is written as a real file for the readers to open.

#include "atomicfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline void check(bool condition) {
    if (!condition)
        std::abort();
}

// A fresh folder for the whole process, without a trailing "/". A memory file
// system, where there is one, keeps the runs fast.
inline std::string makeScratchFolder() {
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    pattern += "/stridewell-fuzz-XXXXXX";
    check(::mkdtemp(pattern.data()) != nullptr);
    return pattern;
}

inline void writeInput(const std::string& path, const uint8_t* data, size_t size) {
    writefileatomically(path, std::string(reinterpret_cast<const char*>(data), size));
}
