#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The hash and bucket layout of the exercise table's name index. Kept in a
// header so a lookup inlines into the loops that make a hundred of them.
namespace namehash {

// Names are hashed eight bytes at a time: a byte-wise hash is a chain of one
// multiply per character, which costs more than the rest of a lookup.
inline uint64_t mixed(uint64_t hash, uint64_t word) {
    hash = (hash ^ word) * 0xff51afd7ed558ccdull;
    return hash ^ (hash >> 29);
}

inline uint64_t hashOf(std::string_view name) {
    const char* at = name.data();
    size_t left = name.size();
    uint64_t hash = 0x9e3779b97f4a7c15ull ^ left;
    if (left < 8) {
        uint64_t word = 0;
        for (size_t i = 0; i < left; ++i)
            word |= static_cast<uint64_t>(static_cast<unsigned char>(at[i])) << (8 * i);
        return mixed(hash, word) * 0xc4ceb9fe1a85ec53ull;
    }
    uint64_t word = 0;
    for (; left > 8; at += 8, left -= 8) {
        std::memcpy(&word, at, 8);
        hash = mixed(hash, word);
    }
    // The last eight bytes, overlapping the word before when the length is not
    // a multiple of eight.
    std::memcpy(&word, name.data() + name.size() - 8, 8);
    return mixed(hash, word) * 0xc4ceb9fe1a85ec53ull;
}

// A bucket holds the slot in its low nine bits and six more bits of the name's
// hash above them, so most buckets of other names are passed without comparing
// names; -1 marks an empty bucket.
inline constexpr int kSlotBits = 9;
inline constexpr int kSlotMask = (1 << kSlotBits) - 1;

inline size_t firstBucket(uint64_t hash, size_t buckets) {
    return static_cast<size_t>(hash >> 40) & (buckets - 1);
}

inline int16_t tagOf(uint64_t hash) { return static_cast<int16_t>((hash >> 58) << kSlotBits); }

} // namespace namehash
