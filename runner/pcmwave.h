#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A whole RIFF WAVE file (PCM, the usual 44-byte header) holding 16-bit mono
// samples at `rate` Hz, as the sound device opens it.
std::string monowavefile(const std::vector<int16_t>& samples, int rate);

// The samples without the near-silence at either end, so that a phrase is
// heard the moment it starts and holds no memory for nothing.
std::vector<int16_t> trimsilence(const std::vector<int16_t>& samples);
