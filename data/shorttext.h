#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Copies and compares of the short texts the loaders handle by the thousand
// (names, types, descriptions): a library call costs more than the work for
// these, so texts of up to 64 bytes are done in place. Every load and store
// stays inside the texts; moves that do not fill a whole block overlap.

// Makes `into` hold `text`. A text of the length `into` already has is copied
// over in place, so a reload of unchanged files allocates nothing.
[[gnu::always_inline]] inline void copyText(std::string& into, std::string_view text) {
    const size_t size = text.size();
    if (into.size() != size) {
        into.assign(text);
        return;
    }
    char* const to = into.data();
    const char* const from = text.data();
#if defined(__SSE2__)
    const auto move = [to, from](size_t at) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at)));
    };
    if (size - 16 <= 16) { // 16 to 32 bytes
        const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + size - 16));
        move(0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + size - 16), last);
        return;
    }
    if (size - 33 <= 31) { // 33 to 64 bytes
        const __m128i third = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + size - 32));
        const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + size - 16));
        move(0);
        move(16);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + size - 32), third);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + size - 16), last);
        return;
    }
#endif
    if (size != 0)
        std::memcpy(to, from, size);
}

// True when both texts hold the same bytes.
[[gnu::always_inline]] inline bool sameText(std::string_view a, std::string_view b) {
    const size_t size = a.size();
    if (size != b.size())
        return false;
    const char* const x = a.data();
    const char* const y = b.data();
    if (size >= 8 && size <= 16) {
        uint64_t x0, y0, x1, y1;
        std::memcpy(&x0, x, 8);
        std::memcpy(&y0, y, 8);
        std::memcpy(&x1, x + size - 8, 8);
        std::memcpy(&y1, y + size - 8, 8);
        return ((x0 ^ y0) | (x1 ^ y1)) == 0;
    }
#if defined(__SSE2__)
    if (size > 16 && size <= 64) {
        const auto equal = [](const char* p, const char* q) {
            return _mm_movemask_epi8(
                       _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                      _mm_loadu_si128(reinterpret_cast<const __m128i*>(q)))) ==
                   0xFFFF;
        };
        for (size_t at = 0; at + 16 < size; at += 16)
            if (!equal(x + at, y + at))
                return false;
        return equal(x + size - 16, y + size - 16);
    }
#endif
    return size == 0 || std::memcmp(x, y, size) == 0;
}
