#include "data/lineblocks.h"

#include <atomic>
#include <cstring>

LineBlock lastLineBlock(const char* block, const char* stop, bool carriageBefore) {
    // One byte more than a block, which stays 0 past the text.
    alignas(16) char tail[65] = {};
    std::memcpy(tail, block, static_cast<size_t>(stop - block));
    return NarrowLineBlocks::of(tail, tail + sizeof tail, carriageBefore);
}

namespace {

bool processorHasWideBlocks() {
#if defined(STRIDEWELL_WIDE_LINE_BLOCKS)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
           __builtin_cpu_supports("bmi2");
#else
    return false;
#endif
}

std::atomic<bool> g_wideAllowed{true};

} // namespace

bool widelineblocks() {
    static const bool available = processorHasWideBlocks();
    return available && g_wideAllowed.load(std::memory_order_relaxed);
}

void setwidelineblocks(bool allowed) { g_wideAllowed.store(allowed, std::memory_order_relaxed); }
