#pragma once

#include <string>

// Puts the program's words in the user's language for the whole application
// (see languagechoice.h for which language): only that one translation is
// loaded, with Qt's own words for its dialogs where the system has them.
// Nothing happens for English. Needs the application object; call it before
// the first window is made. Returns the code chosen, "" for English.
std::string installtranslation(const std::string& languageOption, const std::string& dataFolder);

// Installs the translation of that code ("" for English: nothing).
void installtranslationfor(const std::string& code);

// The language installtranslation() will choose, without installing it: for
// seeding a new data folder before the application object exists. Without a
// data folder ("") stridewell.ini is not asked.
std::string chosenlanguage(const std::string& languageOption, const std::string& dataFolder);
