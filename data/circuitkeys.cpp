#include "data/circuitkeys.h"

#include <array>
#include <charconv>

namespace {

// One known key: its name, its range, and where its value goes.
template <typename Keys> struct KeyRule {
    std::string_view name;
    uint32_t low;
    uint32_t high;
    void (*store)(Keys&, uint32_t);
};

const std::array<KeyRule<CircuitKeys>, 4> kCircuitRules{{
    {"rounds", 1, kMaxRounds, [](CircuitKeys& k, uint32_t v) { k.rounds = v; }},
    {"roundrest", 0, kMaxKeySeconds, [](CircuitKeys& k, uint32_t v) { k.roundrest = v; }},
    {"warmup", 0, kMaxKeySeconds, [](CircuitKeys& k, uint32_t v) { k.warmup = v; }},
    {"cooldown", 0, kMaxKeySeconds, [](CircuitKeys& k, uint32_t v) { k.cooldown = v; }},
}};

const std::array<KeyRule<EntryKeys>, 4> kEntryRules{{
    {"rest", 0, kMaxKeySeconds, [](EntryKeys& k, uint32_t v) { k.rest = v; }},
    {"work", 1, kMaxKeySeconds, [](EntryKeys& k, uint32_t v) { k.work = v; }},
    {"reps", 1, kMaxReps, [](EntryKeys& k, uint32_t v) { k.reps = v; }},
    {"sides", 1, 2, [](EntryKeys& k, uint32_t v) { k.sides = v; }},
}};

// Decimal digits only ("08" is 8); false for a sign, a blank or an overflow.
bool readValue(std::string_view text, uint32_t& value) {
    if (text.empty())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && text[0] != '+' &&
           text[0] != '-';
}

template <typename Keys, size_t N>
std::optional<KeyProblem> parseWords(std::string_view words,
                                     const std::array<KeyRule<Keys>, N>& rules, Keys& into) {
    into = Keys{};
    std::array<bool, N> seen{};
    size_t at = 0;
    while (at < words.size()) {
        if (words[at] == ' ' || words[at] == '\t') {
            ++at;
            continue;
        }
        const size_t end = std::min(words.find_first_of(" \t", at), words.size());
        const std::string_view word = words.substr(at, end - at);
        at = end;
        const size_t equals = word.find('=');
        if (equals == std::string_view::npos || equals == 0)
            return KeyProblem{KeyProblem::Kind::NotKeyValue, std::string(word)};
        const std::string_view key = word.substr(0, equals);
        size_t known = 0;
        while (known < N && rules[known].name != key)
            ++known;
        if (known == N) {
            // Kept as read, for a later version that knows it.
            if (!into.unknown.empty())
                into.unknown += ' ';
            into.unknown += word;
            continue;
        }
        const KeyRule<Keys>& rule = rules[known];
        if (seen[known])
            return KeyProblem{KeyProblem::Kind::Twice, std::string(key)};
        seen[known] = true;
        uint32_t value = 0;
        if (!readValue(word.substr(equals + 1), value) || value < rule.low || value > rule.high)
            return KeyProblem{KeyProblem::Kind::OutOfRange, std::string(key), rule.low,
                              rule.high};
        rule.store(into, value);
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

std::string keyproblemtext(const std::string& path, int64_t line, const KeyProblem& problem) {
    std::string text = path + ", line " + std::to_string(line) + ": ";
    switch (problem.kind) {
    case KeyProblem::Kind::NotKeyValue:
        return text + "\"" + problem.key + "\" is not a key=value word";
    case KeyProblem::Kind::Twice:
        return text + "\"" + problem.key + "\" is given twice";
    case KeyProblem::Kind::OutOfRange:
        break;
    }
    return text + "\"" + problem.key + "\" must be a number from " + std::to_string(problem.low) +
           " to " + std::to_string(problem.high);
}
