#pragma once

#include <string>
#include <vector>

// Which language the program speaks. The first that names a language there is
// a translation for wins: `--lang CODE`, then `language=` in stridewell.ini,
// then the desktop's languages in their order (LANGUAGE, LANG, ...). English,
// the program's own, is the default and the fallback; a code no translation
// exists for counts as not given. Codes are matched as "pt_BR", "pt-BR" or by
// the language alone ("de_AT" finds "de", "pt" finds "pt_BR").
struct LanguageSources {
    std::string commandLine;               // --lang, "" when not given
    std::string settings;                  // language= in stridewell.ini
    std::vector<std::string> desktop;      // the desktop's languages, first first
    std::vector<std::string> translations; // codes there is a translation for
};

// The translation's code ("de", "pt_BR"), or "" for English.
std::string chooselanguage(const LanguageSources& sources);

// The value of `language=` before any section (or in [General]) of an INI
// file; "" when the file or the key is missing or the file is not ours.
std::string settingslanguage(const std::string& iniPath);

// The codes of the translations in a folder: stridewell_de.qm gives "de".
std::vector<std::string> translationsin(const std::string& folder);

// Where the program's translations are: installed, relative to the program's
// folder; in a build, the folder "translations" beside the program.
std::string translationsfolder(const std::string& programFolder);
