#include "data/peers/peercircuit.h"

#include "data/circuitfile.h"
#include "data/circuitkeys.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace peers {

namespace {

constexpr std::string_view kCircuitType = "Multiple Area Workout";
constexpr size_t kLongestExerciseName = 200;
// What the program gives a new circuit, for a workout without exercises
// whose format has no times of its own.
constexpr uint64_t kEmptyWork = 30;
constexpr uint64_t kEmptyRest = 15;

// --- UTF-8 ---------------------------------------------------------------

// The code point at `at` and its length; a byte that starts no sequence is
// taken alone (the JSON reader gives UTF-8, this only keeps odd input safe).
uint32_t codeAt(std::string_view text, size_t at, size_t& length) {
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = 1;
    if (lead < 0x80)
        return lead;
    const size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || text.size() - at <= extra)
        return lead;
    uint32_t code = lead & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80)
            return lead;
        code = (code << 6) | (byte(at + k) & 0x3F);
    }
    length = extra + 1;
    return code;
}

void appendCode(std::string& into, uint32_t code) {
    if (code < 0x80) {
        into += static_cast<char>(code);
    } else if (code < 0x800) {
        into += static_cast<char>(0xC0 | (code >> 6));
        into += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        into += static_cast<char>(0xE0 | (code >> 12));
        into += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        into += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        into += static_cast<char>(0xF0 | (code >> 18));
        into += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        into += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        into += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// C0 and C1 controls, DEL, the line and paragraph separators, and the
// byte-order mark (a reader would take it off a first line).
bool isControl(uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029 ||
           code == 0xFEFF;
}

// The text with every control character a space, cut to `most` bytes on a
// character's edge, and without spaces at either end.
std::string cleaned(std::string_view text, size_t most) {
    std::string name;
    name.reserve(std::min(text.size(), most));
    for (size_t at = 0, length = 0; at < text.size(); at += length) {
        const uint32_t code = codeAt(text, at, length);
        // A stray byte (no UTF-8 sequence) is taken as Latin-1: two bytes.
        const size_t size = isControl(code) ? 1 : length > 1 || code < 0x80 ? length : 2;
        if (name.size() + size > most)
            break;
        if (isControl(code))
            name += ' ';
        else if (size == length)
            name.append(text.substr(at, length));
        else
            appendCode(name, code);
    }
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

// --- Rest words ------------------------------------------------------------

// Lower case for the scripts the rest words are in: Latin (with Latin-1 and
// Latin Extended-A), Greek and Cyrillic. Other letters stay as they are.
uint32_t lowered(uint32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c < 0xC0)
        return c;
    if (c <= 0xDE)
        return c == 0xD7 ? c : c + 32;
    if (c >= 0x100 && c <= 0x17F) {
        // Upper and lower case alternate, the upper one even, then odd from
        // U+0139 to U+0148 and from U+0179.
        if (c == 0x178)
            return 0xFF;
        if (c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        const bool upperOdd = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        return (c % 2 == 1) == upperOdd ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 32;
    if (c == 0x386)
        return 0x3AC;
    if (c >= 0x388 && c <= 0x38A)
        return c + 37;
    if (c == 0x38C)
        return 0x3CC;
    if (c == 0x38E || c == 0x38F)
        return c + 63;
    if (c >= 0x410 && c <= 0x42F)
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    return c;
}

// What separates words: ASCII other than letters, Latin-1's signs (« » and
// the no-break space), punctuation, symbols and emoji.
bool isWordPart(uint32_t c) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (c < 0xC0 || c == 0xD7 || c == 0xF7)
        return false;
    if ((c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F) ||
        (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFF00 && c <= 0xFF0F) || c >= 0x1F000)
        return false;
    return true;
}

// Rest, pause and break in the languages of the apps and their users, lower case.
constexpr std::string_view kRestWords[] = {
    "rest",       "pause",        "break",     "recovery", "recover", // en
    "ruhe",       "erholung",     "ruhepause",                        // de
    "repos",      "récupération", "récup",                            // fr
    "descanso",   "pausa",                                            // es, pt, it
    "riposo",     "recupero",                                         // it
    "rust",       "pauze",                                            // nl
    "przerwa",    "odpoczynek",                                       // pl
    "отдых",      "перерыв",      "пауза",                            // ru
    "відпочинок", "перерва",                                          // uk
    "dinlenme",   "mola",                                             // tr
    "odpočinek",  "pauza",        "přestávka",                        // cs, sk
    "vila",       "paus",         "hvile",                            // sv, da, nb
    "lepo",       "tauko",                                            // fi
    "pihenő",     "szünet",                                           // hu
    "odmor",      "počinak",                                          // hr
    "ανάπαυση",   "διάλειμμα",                                        // el
    "休息",       "休憩",         "휴식",                             // zh, ja, ko
    "راحة",       "istirahat",                                        // ar, id
};

bool isRestWord(std::string_view word) {
    return !word.empty() &&
           std::find(std::begin(kRestWords), std::end(kRestWords), word) != std::end(kRestWords);
}

// --- Circuits ----------------------------------------------------------------

// The most frequent value, the first of those as frequent; none for no values.
uint64_t mostFrequent(const std::vector<uint64_t>& values) {
    uint64_t best = 0;
    size_t bestCount = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        const auto times = static_cast<size_t>(std::count(values.begin(), values.end(), values[i]));
        if (times > bestCount) {
            best = values[i];
            bestCount = times;
        }
    }
    return best;
}

// The circuit a draft becomes, or why it cannot become one.
std::optional<Refused> writeDraft(const CircuitDraft& draft, CircuitBundle& into) {
    if (draft.rounds < 1 || draft.rounds > kMaxRounds)
        return Refused{PeerNoteId::RefusedTooManyRounds, draft.rounds, kMaxRounds};
    const size_t entries = draft.entries.size();
    if (entries > kMaxCircuitExercises)
        return Refused{PeerNoteId::RefusedTooManyExercises, entries, kMaxCircuitExercises};

    uint64_t work = draft.ownWork.value_or(kEmptyWork);
    uint64_t rest = draft.ownRest.value_or(kEmptyRest);
    if (entries > 0) {
        std::vector<uint64_t> works;
        std::vector<uint64_t> rests;
        for (size_t i = 0; i < entries; ++i) {
            works.push_back(draft.entries[i].work);
            if (i > 0)
                rests.push_back(draft.entries[i].restBefore);
        }
        work = mostFrequent(works);
        // One exercise has no rest between exercises: the format's own rest
        // time, else the one between rounds, else the lead-in.
        if (!rests.empty())
            rest = mostFrequent(rests);
        else if (draft.ownRest)
            rest = *draft.ownRest;
        else if (draft.rounds > 1 && draft.roundRest)
            rest = *draft.roundRest;
        else
            rest = draft.leadIn.value_or(0);
    }
    const uint64_t firstRest = draft.leadIn.value_or(rest);

    // The rest before rounds 2 and on, where the first exercise's is not it.
    const bool roundRest = draft.rounds > 1 && draft.roundRest && *draft.roundRest != firstRest;
    uint64_t longest = std::max(
        {work, rest, firstRest, draft.warmup, draft.cooldown, roundRest ? *draft.roundRest : 0});
    for (const DraftEntry& entry : draft.entries)
        longest = std::max({longest, entry.work, entry.restBefore});
    if (longest > kMaxKeySeconds)
        return Refused{PeerNoteId::RefusedTooLong, longest, kMaxKeySeconds};

    // Every time is at most kMaxKeySeconds from here on.
    CircuitKeys keys;
    keys.rounds = static_cast<uint32_t>(draft.rounds);
    if (roundRest)
        keys.roundrest = static_cast<uint32_t>(*draft.roundRest);
    keys.warmup = static_cast<uint32_t>(draft.warmup);
    keys.cooldown = static_cast<uint32_t>(draft.cooldown);

    const auto seconds = [](uint64_t value) { return static_cast<uint32_t>(value); };
    std::vector<std::string>& lines = into.circuitLines;
    lines.push_back(draft.name);
    lines.emplace_back(kCircuitType);
    const std::string words = circuitkeywords(keys);
    lines.push_back(std::to_string(work) + (words.empty() ? "" : " " + words));
    lines.push_back(std::to_string(rest));
    for (size_t i = 0; i < entries; ++i) {
        const DraftEntry& entry = draft.entries[i];
        EntryKeys own;
        own.work = seconds(entry.work);
        own.rest = seconds(i == 0 ? firstRest : entry.restBefore);
        const std::string ownWords = entrykeywords(own, seconds(work), seconds(rest));
        lines.push_back(ownWords.empty() ? entry.name : entry.name + '\t' + ownWords);
        const bool known =
            std::any_of(into.exercises.begin(), into.exercises.end(),
                        [&entry](const TExercise& e) { return e.name == entry.name; });
        if (!known)
            into.exercises.push_back({0, entry.name, std::string(kCircuitType), "", 0});
    }
    return std::nullopt;
}

// The draft of one part: its exercises with the rests between them; the rests
// before its first exercise lead in (after `leadIn` more), and those at its
// end with them are the rest between rounds.
CircuitDraft draftOfPart(const std::string& name, const PeerBlock& part, uint64_t leadIn) {
    CircuitDraft draft;
    draft.name = name;
    draft.rounds = part.rounds;
    uint64_t rest = 0;
    uint64_t leading = 0;
    for (const PeerItem& item : part.items) {
        if (item.rest) {
            rest = addsaturated(rest, item.seconds);
            continue;
        }
        if (draft.entries.empty())
            leading = rest;
        draft.entries.push_back({item.name, item.seconds, draft.entries.empty() ? 0 : rest});
        rest = 0;
    }
    if (const uint64_t first = addsaturated(leadIn, leading); first > 0)
        draft.leadIn = first;
    if (part.rounds > 1)
        draft.roundRest = addsaturated(rest, leading);
    return draft;
}

// The exercise of a part of one round that holds one exercise; else nothing.
const PeerItem* soleExercise(const PeerBlock& part) {
    if (part.rounds != 1 || exercisesof(part) != 1)
        return nullptr;
    return &*std::find_if(part.items.begin(), part.items.end(),
                          [](const PeerItem& i) { return !i.rest; });
}

} // namespace

std::string circuitname(std::string_view text, std::string_view untitled) {
    std::string name = cleaned(text, kLongestPeerName);
    for (char& c : name)
        if (std::string_view("/\\<>:\"|?*").find(c) != std::string_view::npos)
            c = '-';
    if (name.find_first_not_of('.') == std::string::npos)
        return std::string(untitled);
    return name;
}

std::string exercisename(std::string_view text, std::string_view unnamed) {
    std::string name = cleaned(text, kLongestExerciseName);
    return name.empty() ? std::string(unnamed) : name;
}

bool isrestname(std::string_view name) {
    std::string word;
    for (size_t at = 0, length = 0; at <= name.size(); at += length) {
        const uint32_t code = at < name.size() ? codeAt(name, at, length) : ' ';
        length = std::max<size_t>(length, 1);
        if (isWordPart(code)) {
            appendCode(word, lowered(code));
            continue;
        }
        if (isRestWord(word))
            return true;
        word.clear();
    }
    return false;
}

uint64_t count(const JsonValue& value) {
    if (!value.isNumber())
        throw Unreadable{};
    if (const std::optional<int64_t> whole = value.integer()) {
        if (*whole < 0)
            throw Unreadable{};
        return static_cast<uint64_t>(*whole);
    }
    // Beyond 64 bits, or a fraction.
    const double number = value.number();
    if (number >= 9223372036854775808.0)
        return std::numeric_limits<uint64_t>::max();
    throw Unreadable{};
}

uint64_t countor(const JsonValue& object, std::string_view key, uint64_t fallback) {
    const std::optional<JsonValue> value = object.find(key);
    return !value || value->isNull() ? fallback : count(*value);
}

JsonValue needobject(const JsonValue& object, std::string_view key) {
    const std::optional<JsonValue> value = object.find(key);
    if (!value || !value->isObject())
        throw Unreadable{};
    return *value;
}

JsonValue needarray(const JsonValue& object, std::string_view key) {
    const std::optional<JsonValue> value = object.find(key);
    if (!value || !value->isArray())
        throw Unreadable{};
    return *value;
}

std::string_view textor(const JsonValue& object, std::string_view key, std::string_view fallback) {
    const std::optional<JsonValue> value = object.find(key);
    if (!value || value->isNull())
        return fallback;
    if (!value->isString())
        throw Unreadable{};
    return value->text();
}

uint64_t secondsofmilliseconds(uint64_t milliseconds) {
    return milliseconds / 1000 + (milliseconds % 1000 >= 500 ? 1 : 0);
}

uint64_t addsaturated(uint64_t a, uint64_t b) {
    return a > std::numeric_limits<uint64_t>::max() - b ? std::numeric_limits<uint64_t>::max()
                                                        : a + b;
}

uint64_t multiplysaturated(uint64_t a, uint64_t b) {
    if (a != 0 && b > std::numeric_limits<uint64_t>::max() / a)
        return std::numeric_limits<uint64_t>::max();
    return a * b;
}

PeerNote note(PeerNoteId id, std::vector<std::string> args) {
    return PeerNote{id, std::move(args)};
}

PeerNote refusalnote(const std::string& workout, const Refused& refused) {
    return note(refused.id, {workout, std::to_string(refused.value), std::to_string(refused.most)});
}

bool addworkout(PeerImport& into, const std::string& workout,
                const std::vector<CircuitDraft>& parts) {
    std::vector<CircuitBundle> circuits(parts.size());
    for (size_t i = 0; i < parts.size(); ++i) {
        if (const std::optional<Refused> refused = writeDraft(parts[i], circuits[i])) {
            into.notes.push_back(refusalnote(workout, *refused));
            return false;
        }
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].entries.empty())
            into.notes.push_back(note(PeerNoteId::ImportedEmpty, {parts[i].name}));
        into.circuits.push_back(std::move(circuits[i]));
    }
    return true;
}

void additem(std::vector<PeerItem>& items, PeerItem item) {
    if (item.rest && !items.empty() && items.back().rest)
        items.back().seconds = addsaturated(items.back().seconds, item.seconds);
    else
        items.push_back(std::move(item));
}

void joinoneroundparts(std::vector<PeerBlock>& parts) {
    std::vector<PeerBlock> joined;
    for (PeerBlock& part : parts) {
        if (!joined.empty() && joined.back().rounds == 1 && part.rounds == 1)
            joined.back().items.insert(joined.back().items.end(),
                                       std::make_move_iterator(part.items.begin()),
                                       std::make_move_iterator(part.items.end()));
        else
            joined.push_back(std::move(part));
    }
    parts = std::move(joined);
}

uint64_t exercisesof(const PeerBlock& part) {
    return static_cast<uint64_t>(std::count_if(part.items.begin(), part.items.end(),
                                               [](const PeerItem& item) { return !item.rest; }));
}

uint64_t exercisesof(const std::vector<PeerBlock>& parts) {
    uint64_t exercises = 0;
    for (const PeerBlock& part : parts)
        exercises += exercisesof(part);
    return exercises;
}

bool addpartsworkout(PeerImport& into, const std::string& workout, std::vector<PeerBlock> parts,
                     uint64_t warmup, uint64_t cooldown, bool edges) {
    // A part without exercises plays only rests: one of one round may join
    // the parts beside it, any other is passed over.
    std::erase_if(parts, [](const PeerBlock& part) {
        return part.items.empty() || (part.rounds != 1 && exercisesof(part) == 0);
    });
    uint64_t leadIn = 0; // the rests after the warm-up
    if (edges && !parts.empty()) {
        const PeerItem* one = soleExercise(parts.front());
        if (one && exercisesof(parts) > 1) {
            warmup = addsaturated(warmup, one->seconds);
            bool after = false;
            for (const PeerItem& item : parts.front().items) {
                if (after)
                    leadIn = addsaturated(leadIn, item.seconds);
                after = after || &item == one;
            }
            parts.erase(parts.begin());
        }
    }
    if (edges && !parts.empty()) {
        const PeerItem* one = soleExercise(parts.back());
        if (one && exercisesof(parts) > 1) {
            cooldown = addsaturated(cooldown, one->seconds);
            parts.pop_back();
        }
    }
    joinoneroundparts(parts);
    std::erase_if(parts, [](const PeerBlock& part) { return exercisesof(part) == 0; });

    for (const PeerBlock& part : parts) {
        if (part.rounds < 1 || part.rounds > kMaxRounds) {
            into.notes.push_back(
                refusalnote(workout, {PeerNoteId::RefusedTooManyRounds, part.rounds, kMaxRounds}));
            return false;
        }
    }
    if (const uint64_t exercises = exercisesof(parts); exercises > kMaxCircuitExercises) {
        into.notes.push_back(refusalnote(
            workout, {PeerNoteId::RefusedTooManyExercises, exercises, kMaxCircuitExercises}));
        return false;
    }

    std::vector<CircuitDraft> drafts;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string name = parts.size() > 1 ? workout + " " + std::to_string(i + 1) : workout;
        drafts.push_back(draftOfPart(name, parts[i], i == 0 ? leadIn : 0));
    }
    if (drafts.empty()) {
        drafts.emplace_back();
        drafts.back().name = workout;
    }
    drafts.front().warmup = warmup;
    drafts.back().cooldown = cooldown;
    if (!addworkout(into, workout, drafts))
        return false;
    if (drafts.size() > 1)
        into.notes.push_back(
            note(PeerNoteId::SplitIntoCircuits, {workout, std::to_string(drafts.size())}));
    return true;
}

} // namespace peers
