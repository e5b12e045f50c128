#include "data/circuitkeys.h"

#include <array>
#include <cstring>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// One known key: its name, its range, and where its value goes.
// A key's first eight letters as one number, to compare a word's key at once.
constexpr uint64_t packKey(std::string_view key) {
    uint64_t packed = 0;
    for (size_t i = 0; i < key.size() && i < 8; ++i)
        packed |= uint64_t{static_cast<unsigned char>(key[i])} << (8 * i);
    return packed;
}

template <typename Keys> struct KeyRule {
    std::string_view name;
    uint32_t low;
    uint32_t high;
    void (*store)(Keys&, uint32_t);
    uint64_t packed = packKey(name);
};

constexpr std::array<KeyRule<CircuitKeys>, 4> kCircuitRules{{
    {"rounds", 1, kMaxRounds, [](CircuitKeys& k, uint32_t v) { k.rounds = v; }},
    {"roundrest", 0, kMaxKeySeconds, [](CircuitKeys& k, uint32_t v) { k.roundrest = v; }},
    {"warmup", 0, kMaxKeySeconds, [](CircuitKeys& k, uint32_t v) { k.warmup = v; }},
    {"cooldown", 0, kMaxKeySeconds, [](CircuitKeys& k, uint32_t v) { k.cooldown = v; }},
}};

constexpr std::array<KeyRule<EntryKeys>, 4> kEntryRules{{
    {"rest", 0, kMaxKeySeconds, [](EntryKeys& k, uint32_t v) { k.rest = v; }},
    {"work", 1, kMaxKeySeconds, [](EntryKeys& k, uint32_t v) { k.work = v; }},
    {"reps", 1, kMaxReps, [](EntryKeys& k, uint32_t v) { k.reps = v; }},
    {"sides", 1, 2, [](EntryKeys& k, uint32_t v) { k.sides = v; }},
}};

// Keys are a few letters: a loop beats a call to memcmp on every word.
bool sameKey(std::string_view name, std::string_view key) {
    if (name.size() != key.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (name[i] != key[i])
            return false;
    return true;
}

bool isSeparator(char c) {
    return c == ' ' || c == '\t';
}

void resetKeys(CircuitKeys& keys) {
    keys.rounds = 1;
    keys.roundrest.reset();
    keys.warmup = 0;
    keys.cooldown = 0;
    keys.unknown.clear(); // keeps its storage for the next line
}

void resetKeys(EntryKeys& keys) {
    keys.rest.reset();
    keys.work.reset();
    keys.reps.reset();
    keys.sides = 1;
    keys.unknown.clear();
}

// One word's key and value as a parser found them, checked and stored.
template <typename Keys, size_t N>
[[gnu::always_inline]] inline std::optional<KeyProblem> takeWord(std::string_view word, size_t equals,
                                                                uint64_t packedKey,
                                   const std::array<KeyRule<Keys>, N>& rules, unsigned& seen,
                                   Keys& into) {
    if (equals == std::string_view::npos || equals == 0)
        return KeyProblem{KeyProblem::Kind::NotKeyValue, std::string(word)};
    const std::string_view key = word.substr(0, equals);
    size_t known = N;
    // Unrolled, so each rule's store is a plain assignment.
    [&]<size_t... I>(std::index_sequence<I...>) {
        ((known == N && rules[I].packed == packedKey && rules[I].name.size() == key.size() &&
                  (key.size() <= 8 || sameKey(rules[I].name, key))
              ? (known = I)
              : 0),
         ...);
    }(std::make_index_sequence<N>{});
    if (known == N) {
        // Kept as read, for a later version that knows it.
        if (!into.unknown.empty())
            into.unknown += ' ';
        into.unknown += word;
        return std::nullopt;
    }
    if (seen & (1u << known))
        return KeyProblem{KeyProblem::Kind::Twice, std::string(key)};
    seen |= 1u << known;
    // Decimal digits only ("08" is 8), at most nine of them.
    const std::string_view digits = word.substr(equals + 1);
    uint32_t value = 0;
    bool number = !digits.empty() && digits.size() <= 9;
    for (const char c : digits) {
        const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        number = number && digit <= 9;
        value = value * 10 + digit;
    }
    const KeyRule<Keys>& rule = rules[known];
    if (!number || value < rule.low || value > rule.high)
        return KeyProblem{KeyProblem::Kind::OutOfRange, std::string(key), rule.low, rule.high};
    [&]<size_t... I>(std::index_sequence<I...>) {
        ((known == I ? rules[I].store(into, value) : void()), ...);
    }(std::make_index_sequence<N>{});
    return std::nullopt;
}

// Where the separators and the "=" signs of up to 64 bytes are, a bit per
// byte: the scan reads keys on every line of hundreds of files, and words
// found by their bits cost no branch per byte.
struct WordBits {
    uint64_t separators = 0;
    uint64_t equals = 0;
};

#if defined(__SSE2__)
void addChunkBits(__m128i chunk, unsigned shift, WordBits& bits) {
    const auto maskOf = [&chunk](char c) {
        return static_cast<uint64_t>(
            static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(c)))));
    };
    bits.separators |= (maskOf(' ') | maskOf('\t')) << shift;
    bits.equals |= maskOf('=') << shift;
}
#endif

WordBits findWordBits(std::string_view words) {
    WordBits bits;
    const size_t size = words.size();
#if defined(__SSE2__)
    const char* const data = words.data();
    size_t part = 0;
    for (; part + 16 <= size; part += 16)
        addChunkBits(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + part)),
                     static_cast<unsigned>(part), bits);
    if (part == size)
        return bits;
    if (size >= 16) {
        // The last sixteen bytes, read where they end: their first bytes were
        // counted already and are shifted out.
        WordBits last;
        addChunkBits(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + size - 16)), 0, last);
        const auto counted = static_cast<unsigned>(part + 16 - size);
        bits.separators |= (last.separators >> counted) << part;
        bits.equals |= (last.equals >> counted) << part;
        return bits;
    }
    alignas(16) char shortWords[16] = {};
    std::memcpy(shortWords, data, size);
    addChunkBits(_mm_load_si128(reinterpret_cast<const __m128i*>(shortWords)), 0, bits);
#else
    for (size_t i = 0; i < size; ++i) {
        bits.separators |= static_cast<uint64_t>(words[i] == ' ' || words[i] == '\t') << i;
        bits.equals |= static_cast<uint64_t>(words[i] == '=') << i;
    }
#endif
    return bits;
}

// The first letters of the key starting at `start`, as packKey gives them.
[[gnu::always_inline]] inline uint64_t packKeyAt(std::string_view words, size_t start,
                                                 size_t length) {
    length = std::min<size_t>(length, 8);
    if (words.size() - start < 8)
        return packKey(words.substr(start, length)); // near the end: a few letters
    uint64_t packed = 0;
    std::memcpy(&packed, words.data() + start, 8);
    return length >= 8 ? packed : packed & ((uint64_t{1} << (8 * length)) - 1);
}

// Bits from..to-1 set (to at most 64).
uint64_t bitRange(unsigned from, unsigned to) {
    const uint64_t below = to >= 64 ? ~uint64_t{0} : (uint64_t{1} << to) - 1;
    return below & ~((uint64_t{1} << from) - 1);
}

template <typename Keys, size_t N>
std::optional<KeyProblem> parseWords(std::string_view words,
                                     const std::array<KeyRule<Keys>, N>& rules, Keys& into) {
    resetKeys(into);
    unsigned seen = 0;
    if (words.size() <= 64) {
        const auto size = static_cast<unsigned>(words.size());
        const uint64_t inside = bitRange(0, size);
        WordBits bits = findWordBits(words);
        bits.separators &= inside;
        bits.equals &= inside;
        uint64_t starts = ~bits.separators & inside;
        while (starts != 0) {
            const auto start = static_cast<unsigned>(__builtin_ctzll(starts));
            const uint64_t ahead = bits.separators & bitRange(start, 64);
            const unsigned end = ahead ? static_cast<unsigned>(__builtin_ctzll(ahead)) : size;
            const uint64_t equals = bits.equals & bitRange(start, end);
            const size_t equalsAt = equals ? __builtin_ctzll(equals) - start : std::string_view::npos;
            const uint64_t packed = packKeyAt(words, start, equalsAt);
            if (auto problem = takeWord(words.substr(start, end - start), equalsAt, packed, rules,
                                        seen, into))
                return problem;
            starts &= ~bitRange(0, end);
        }
        return std::nullopt;
    }
    // A longer line, written by hand: a word at a time.
    size_t at = 0;
    while (at < words.size()) {
        if (isSeparator(words[at])) {
            ++at;
            continue;
        }
        const size_t end = std::min(words.find_first_of(" \t", at), words.size());
        const std::string_view word = words.substr(at, end - at);
        const size_t equals = word.find('=');
        if (auto problem = takeWord(word, equals, packKey(word.substr(0, equals)), rules, seen, into))
            return problem;
        at = end;
    }
    return std::nullopt;
}

void appendKey(std::string& words, std::string_view key, uint32_t value) {
    if (!words.empty())
        words += ' ';
    words += key;
    words += '=';
    words += std::to_string(value);
}

void appendUnknown(std::string& words, const std::string& unknown) {
    if (unknown.empty())
        return;
    if (!words.empty())
        words += ' ';
    words += unknown;
}

} // namespace

std::optional<KeyProblem> parsecircuitkeys(std::string_view words, CircuitKeys& into) {
    return parseWords(words, kCircuitRules, into);
}

std::optional<KeyProblem> parseentrykeys(std::string_view words, EntryKeys& into) {
    return parseWords(words, kEntryRules, into);
}

std::string circuitkeywords(const CircuitKeys& keys) {
    std::string words;
    if (keys.rounds != 1)
        appendKey(words, "rounds", keys.rounds);
    if (keys.roundrest)
        appendKey(words, "roundrest", *keys.roundrest);
    if (keys.warmup != 0)
        appendKey(words, "warmup", keys.warmup);
    if (keys.cooldown != 0)
        appendKey(words, "cooldown", keys.cooldown);
    appendUnknown(words, keys.unknown);
    return words;
}

std::string entrykeywords(const EntryKeys& keys, uint32_t exerciseinterval,
                          uint32_t restinterval) {
    std::string words;
    if (keys.rest && *keys.rest != restinterval)
        appendKey(words, "rest", *keys.rest);
    if (keys.work && *keys.work != exerciseinterval)
        appendKey(words, "work", *keys.work);
    if (keys.reps)
        appendKey(words, "reps", *keys.reps);
    if (keys.sides != 1)
        appendKey(words, "sides", keys.sides);
    appendUnknown(words, keys.unknown);
    return words;
}

ExerciseLine splitexerciseline(std::string_view line) {
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
        return {line, {}, false};
    const std::string_view words = line.substr(tab + 1);
    // Before keys existed a TAB was part of a name; such a line stays one.
    if (words.find('=') == std::string_view::npos)
        return {line, {}, false};
    return {line.substr(0, tab), words, true};
}

std::string_view circuitkeywordsof(std::string_view afterSeconds) {
    // "45 and text" has always read as 45: text without a key stays ignored.
    if (afterSeconds.find('=') == std::string_view::npos)
        return {};
    size_t first = 0;
    while (first < afterSeconds.size() && static_cast<unsigned char>(afterSeconds[first]) <= ' ')
        ++first;
    return afterSeconds.substr(first);
}

FileText keyproblemtext(const std::string& path, int64_t line, const KeyProblem& problem) {
    switch (problem.kind) {
    case KeyProblem::Kind::NotKeyValue:
        return {FileTextId::KeyNotKeyValue, {path, std::to_string(line), problem.key}, {}};
    case KeyProblem::Kind::Twice:
        return {FileTextId::KeyTwice, {path, std::to_string(line), problem.key}, {}};
    case KeyProblem::Kind::OutOfRange:
        break;
    }
    return {FileTextId::KeyOutOfRange,
            {path, std::to_string(line), problem.key, std::to_string(problem.low),
             std::to_string(problem.high)},
            {}};
}

std::string keyproblemreason(const KeyProblem& problem) {
    return englishkeyreason(keyproblemtext({}, 0, problem));
}
