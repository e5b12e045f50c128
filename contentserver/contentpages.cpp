#include "contentserver/contentpages.h"

#include "data/contentaddress.h"
#include "data/textencoding.h"

#include <algorithm>

namespace {

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> result;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        result.push_back(std::move(line));
        start = end + 1;
    }
    return result;
}

std::string page(const std::string& title, const std::string& body, bool utf8) {
    return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"" +
           std::string(utf8 ? "utf-8" : "iso-8859-1") + "\">\n<title>" + htmlescape(title) +
           "</title>\n</head>\n<body>\n" + body + "</body>\n</html>\n";
}

bool isutf8(const ListedExercise& e) {
    return ::isutf8(e.name) && ::isutf8(e.extype) && ::isutf8(e.description);
}

bool isutf8(const std::vector<ListedExercise>& exercises) {
    return std::all_of(exercises.begin(), exercises.end(),
                       [](const ListedExercise& e) { return isutf8(e); });
}

} // namespace

std::vector<ListedExercise> parseexerciselist(const std::string& bytes) {
    const std::vector<std::string> all = lines(bytes);
    std::vector<ListedExercise> exercises;
    for (size_t group = 0; group < all.size(); group += 3) {
        ListedExercise e;
        e.name = all[group];
        e.extype = group + 1 < all.size() ? all[group + 1] : std::string();
        e.description = group + 2 < all.size() ? all[group + 2] : std::string();
        if (!e.name.empty() || !e.extype.empty() || !e.description.empty())
            exercises.push_back(std::move(e));
    }
    return exercises;
}

std::string htmlescape(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '&':
            escaped += "&amp;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string indexpage(const std::vector<ListedExercise>& exercises) {
    std::string body = "<h1>Kinoradex</h1>\n";
    if (exercises.empty()) {
        body += "<p>No exercises yet.</p>\n";
    } else {
        body += "<ul>\n";
        for (const ListedExercise& e : exercises) {
            body += "<li><a href=\"index.php?show=" + htmlescape(percentencode(e.name)) + "\">" +
                    htmlescape(e.name) + "</a> (" + htmlescape(e.extype) + ")</li>\n";
        }
        body += "</ul>\n";
    }
    return page("Kinoradex", body, isutf8(exercises));
}

std::optional<std::string> exercisepage(const std::vector<ListedExercise>& exercises,
                                        const std::string& name) {
    for (const ListedExercise& e : exercises) {
        if (e.name != name)
            continue;
        const std::string body = "<h1>" + htmlescape(e.name) + "</h1>\n<p><b>Type:</b> " +
                                 htmlescape(e.extype) + "</p>\n<p>" + htmlescape(e.description) +
                                 "</p>\n<p><a href=\"index.php\">All exercises</a></p>\n";
        return page("Kinoradex - " + e.name, body, isutf8(e));
    }
    return std::nullopt;
}

std::string notfoundpage(const std::string& what) {
    const std::string body = "<h1>Not found</h1>\n<p>" + htmlescape(what) + "</p>\n";
    return page("Not found", body, isutf8(what));
}
