#include "net/replycheck.h"

#include "data/circuitkeys.h"
#include "data/texttrim.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool containsNoCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

// A page announces itself in its type or in its first tag ("<!DOCTYPE html>",
// "<html>", "<?xml ...><html ...>"); a text file holding a "<b>" in a
// description is no page.
bool isWebPage(std::string_view body, std::string_view contentType) {
    const std::string_view type = trimmed(contentType);
    if (startswithnocase(type, "text/html") || startswithnocase(type, "application/xhtml"))
        return true;
    std::string_view start = trimmed(body);
    if (startswithnocase(start, "\xEF\xBB\xBF"))
        start = trimmed(start.substr(3));
    for (const std::string_view opening :
         {"<!doctype", "<html", "<head", "<body", "<?xml", "<!--", "<meta", "<title", "<script"}) {
        if (startswithnocase(start, opening))
            return true;
    }
    return containsNoCase(body.substr(0, 4096), "<html");
}

ReplyRefusal checkText(std::string_view body, std::string_view contentType) {
    if (body.empty())
        return {ReplyFault::Empty, {}};
    if (body.find('\0') != std::string_view::npos)
        return {ReplyFault::NulBytes, {}};
    if (isWebPage(body, contentType))
        return {ReplyFault::WebPage, {}};
    return {};
}

// Lines as the program's files are read: each ends at LF, CR LF or a lone CR.
std::vector<std::string_view> lines(std::string_view body) {
    std::vector<std::string_view> result;
    while (!body.empty()) {
        const size_t end = body.find_first_of("\r\n");
        result.push_back(body.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crlf = body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n';
        body.remove_prefix(end + (crlf ? 2 : 1));
    }
    return result;
}

// As the circuit reader takes a number: digits up to the first blank.
bool isInterval(std::string_view line) {
    const std::string_view text = trimmed(line);
    const std::string_view digits = text.substr(0, std::min(text.find(' '), text.find('\t')));
    return !digits.empty() && digits.size() <= 9 &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The circuit's keys as the reader takes them: a circuit the program would
// refuse to read is not stored. No refusal when every key reads.
ReplyRefusal checkKeys(const std::vector<std::string_view>& all) {
    const auto badKey = [](size_t index, const KeyProblem& problem) {
        return ReplyRefusal{ReplyFault::BadKey,
                            keyproblemtext({}, static_cast<int64_t>(index + 1), problem)};
    };
    const std::string_view seconds = trimmed(all[2]);
    const size_t numberEnd = std::min(seconds.find_first_of(" \t"), seconds.size());
    CircuitKeys circuitKeys;
    if (const auto problem = parsecircuitkeys(circuitkeywordsof(seconds.substr(numberEnd)), circuitKeys))
        return badKey(2, *problem);
    EntryKeys entryKeys;
    for (size_t index = 4; index < all.size(); ++index) {
        const ExerciseLine line = splitexerciseline(all[index]);
        if (!line.hasKeys)
            continue;
        if (const auto problem = parseentrykeys(line.words, entryKeys))
            return badKey(index, *problem);
    }
    return {};
}

} // namespace

ReplyRefusal checkexerciselist(std::string_view body, std::string_view contentType) {
    return checkText(body, contentType);
}

ReplyRefusal checkcircuitlist(std::string_view body, std::string_view contentType) {
    return checkText(body, contentType);
}

ReplyRefusal checkcircuit(std::string_view body, std::string_view contentType) {
    if (ReplyRefusal refusal = checkText(body, contentType))
        return refusal;
    const std::vector<std::string_view> all = lines(body);
    if (all.empty() || trimmed(all[0]).empty())
        return {ReplyFault::NoCircuitName, {}};
    if (all.size() < 4 || !isInterval(all[2]) || !isInterval(all[3]))
        return {ReplyFault::NoIntervals, {}};
    const bool exercise = std::any_of(all.begin() + 4, all.end(),
                                      [](std::string_view line) { return !trimmed(line).empty(); });
    if (!exercise)
        return {ReplyFault::NoExercises, {}};
    return checkKeys(all);
}

std::string refusalreason(const ReplyRefusal& refusal) {
    switch (refusal.fault) {
    case ReplyFault::None:
        break;
    case ReplyFault::Empty:
        return "is empty";
    case ReplyFault::NulBytes:
        return "holds NUL bytes";
    case ReplyFault::WebPage:
        return "is a web page";
    case ReplyFault::NoCircuitName:
        return "has no circuit name";
    case ReplyFault::NoIntervals:
        return "has no intervals";
    case ReplyFault::NoExercises:
        return "has no exercises";
    case ReplyFault::BadKey:
        return "has a bad key on line " + (refusal.key.args.size() > 1 ? refusal.key.args[1] : "") +
               ": " + englishkeyreason(refusal.key);
    }
    return {};
}
