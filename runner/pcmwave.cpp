#include "runner/pcmwave.h"

#include <cstdlib>

namespace {

// Below this a sample is taken as silence: about -54 dB of full scale.
constexpr int kSilence = 64;

void put16(std::string& out, uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::string& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

bool audible(int16_t sample) {
    return std::abs(static_cast<int>(sample)) >= kSilence;
}

} // namespace

std::string monowavefile(const std::vector<int16_t>& samples, int rate) {
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);                              // format chunk size
    put16(out, 1);                               // PCM
    put16(out, 1);                               // mono
    put32(out, static_cast<uint32_t>(rate));     // frames per second
    put32(out, static_cast<uint32_t>(rate) * 2); // bytes per second
    put16(out, 2);                               // block alignment
    put16(out, 16);                              // bits per sample
    out += "data";
    put32(out, dataBytes);
    for (const int16_t sample : samples)
        put16(out, static_cast<uint16_t>(sample));
    return out;
}

std::vector<int16_t> trimsilence(const std::vector<int16_t>& samples) {
    size_t first = 0;
    while (first < samples.size() && !audible(samples[first]))
        ++first;
    size_t end = samples.size();
    while (end > first && !audible(samples[end - 1]))
        --end;
    return {samples.begin() + static_cast<std::ptrdiff_t>(first),
            samples.begin() + static_cast<std::ptrdiff_t>(end)};
}
