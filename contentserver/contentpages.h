#pragma once

#include <optional>
#include <string>
#include <vector>

// One exercise of the published exercise list.
struct ListedExercise {
    std::string name;
    std::string extype;
    std::string description;
};

// Groups of three lines (name, type, description), line ends LF or CR LF; a
// last group cut short gets empty texts; groups of three blank lines are no
// exercise.
std::vector<ListedExercise> parseexerciselist(const std::string& bytes);

// "<" -> "&lt;", ">" -> "&gt;", "&" -> "&amp;", "\"" -> "&quot;", "'" -> "&#39;".
std::string htmlescape(const std::string& text);

// The encyclopedia's front page: every listed exercise with a link to its page.
std::string indexpage(const std::vector<ListedExercise>& exercises);

// One exercise's page: name, type and description. None for a name that is
// not listed.
std::optional<std::string> exercisepage(const std::vector<ListedExercise>& exercises,
                                        const std::string& name);

// A short page for an address the server does not know.
std::string notfoundpage(const std::string& what);
