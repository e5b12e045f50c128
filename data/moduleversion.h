#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

// A module and the program are built from one header that describes the
// table of functions between them, and a module left from another build must
// be refused rather than called. Both sides take the table's version from
// that header: the full type, size and place of everything that crosses. A
// member added, removed, moved or retyped, or a function whose parameters or
// result change, changes the version.

// The full name of a type, as the compiler spells it.
template <typename T> constexpr std::string_view typetext() {
    return __PRETTY_FUNCTION__;
}

// One thing that crosses: its type, and its size or place.
struct ModulePart {
    std::string_view type;
    size_t figure = 0;
};

// A member of a structure that crosses, by type and place.
#define STRIDEWELL_MODULE_MEMBER(Type, member)                                                     \
    ModulePart {                                                                                   \
        typetext<decltype(Type::member)>(), offsetof(Type, member)                                 \
    }
// A whole type that crosses, by name and size.
#define STRIDEWELL_MODULE_TYPE(Type)                                                               \
    ModulePart {                                                                                   \
        typetext<Type>(), sizeof(Type)                                                             \
    }

// FNV-1a over every part, kept positive as a version is an int.
constexpr int moduleversion(std::initializer_list<ModulePart> parts) {
    uint32_t hash = 2166136261U;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 16777619U;
    };
    for (const ModulePart& part : parts) {
        for (const char c : part.type)
            mix(static_cast<unsigned char>(c));
        for (int shift = 0; shift < 64; shift += 8)
            mix(static_cast<unsigned char>((uint64_t{part.figure} >> shift) & 0xFF));
    }
    return static_cast<int>(hash & 0x7FFFFFFF);
}
