#pragma once

#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define STRIDEWELL_WIDE_LINE_BLOCKS 1
#endif

// The line ends of a 64-byte block of text, a bit per byte. A line's text
// ends at a CR, or at an LF that no CR comes just before; a CR that an LF
// follows has a line end two bytes long. Bytes at or past the end of the text
// count as nothing.
struct LineBlock {
    uint64_t ends;  // where a line's text ends
    uint64_t pairs; // a CR that an LF follows
};

// The last block of a text, which reaches its end (at most 64 bytes from
// `block` to `stop`): copied out, so no byte past the text is read.
// carriageBefore: the byte before the block is a CR, whose LF the block's
// first byte may be.
LineBlock lastLineBlock(const char* block, const char* stop, bool carriageBefore);

// The bits from the byte masks of the block and of the byte after it.
[[gnu::always_inline]] inline LineBlock lineBlockOf(uint64_t feeds, uint64_t carriages,
                                                    bool feedAfter, bool carriageBefore) {
    // Every CR ends a line; an LF does unless a CR just before it did.
    const uint64_t ends = carriages | (feeds & ~((carriages << 1) | uint64_t{carriageBefore}));
    const uint64_t pairs = carriages & ((feeds >> 1) | (uint64_t{feedAfter} << 63));
    return {ends, pairs};
}

// Sixteen bytes at a time, as every x86-64 processor can (or a byte at a time
// elsewhere). Inlined into the line reading, which is the loaders' inner loop.
struct NarrowLineBlocks {
    [[gnu::always_inline]] static LineBlock of(const char* block, const char* stop,
                                               bool carriageBefore) {
        if (stop - block <= 64)
            return lastLineBlock(block, stop, carriageBefore);
        uint64_t feeds = 0;
        uint64_t carriages = 0;
#if defined(__SSE2__)
        const __m128i feed = _mm_set1_epi8('\n');
        const __m128i carriage = _mm_set1_epi8('\r');
        const auto bitsOf = [](__m128i chunk, __m128i byte) {
            return static_cast<uint64_t>(
                static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, byte))));
        };
        const __m128i part0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
        const __m128i part1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16));
        const __m128i part2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 32));
        const __m128i part3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 48));
        feeds = bitsOf(part0, feed) | bitsOf(part1, feed) << 16 | bitsOf(part2, feed) << 32 |
                bitsOf(part3, feed) << 48;
        carriages = bitsOf(part0, carriage) | bitsOf(part1, carriage) << 16 |
                    bitsOf(part2, carriage) << 32 | bitsOf(part3, carriage) << 48;
#else
        for (int i = 0; i < 64; ++i) {
            feeds |= static_cast<uint64_t>(block[i] == '\n') << i;
            carriages |= static_cast<uint64_t>(block[i] == '\r') << i;
        }
#endif
        return lineBlockOf(feeds, carriages, block[64] == '\n', carriageBefore);
    }
};

#if defined(STRIDEWELL_WIDE_LINE_BLOCKS)
// Thirty-two bytes at a time, on processors with AVX2 (and the bit
// instructions that came with it). Only code compiled for that target may use
// it, and only where widelineblocks() says the processor has it; the compiler
// then inlines it there.
struct WideLineBlocks {
    [[gnu::target("avx2,bmi,bmi2")]] static LineBlock of(const char* block, const char* stop,
                                                         bool carriageBefore) {
        if (stop - block <= 64)
            return lastLineBlock(block, stop, carriageBefore);
        const __m256i feed = _mm256_set1_epi8('\n');
        const __m256i carriage = _mm256_set1_epi8('\r');
        const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));
        const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 32));
        const auto bitsOf = [](__m256i chunk, __m256i byte) __attribute__((target("avx2"))) {
            return static_cast<uint64_t>(
                static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(chunk, byte))));
        };
        const uint64_t feeds = bitsOf(low, feed) | bitsOf(high, feed) << 32;
        const uint64_t carriages = bitsOf(low, carriage) | bitsOf(high, carriage) << 32;
        return lineBlockOf(feeds, carriages, block[64] == '\n', carriageBefore);
    }
};
#endif

// True when this processor runs WideLineBlocks. Tests may turn it off, so both
// ways are checked on any machine.
bool widelineblocks();
void setwidelineblocks(bool allowed);
