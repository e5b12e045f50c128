#pragma once

#include <string>

// The text of --help in the user's language: the one --lang names, else the
// desktop's (LANGUAGE, LANG), else English. Needs no window system; call it
// while no application object exists.
std::string usagewords(const std::string& languageOption);
