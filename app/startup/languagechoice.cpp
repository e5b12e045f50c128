#include "app/startup/languagechoice.h"

#include "data/generalsetting.h"
#include "data/texttrim.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#ifndef STRIDEWELL_TRANSLATION_RELATIVE
#error "STRIDEWELL_TRANSLATION_RELATIVE is set by the build"
#endif

namespace fs = std::filesystem;

namespace {

// "pt-br.UTF-8" -> "pt_BR": the form the translations are named in.
std::string normalised(std::string code) {
    code = code.substr(0, code.find_first_of(".@"));
    std::replace(code.begin(), code.end(), '-', '_');
    const size_t underscore = code.find('_');
    for (size_t i = 0; i < code.size(); ++i) {
        const auto c = static_cast<unsigned char>(code[i]);
        code[i] = static_cast<char>(i < underscore ? std::tolower(c) : std::toupper(c));
    }
    return code;
}

std::string languageOf(const std::string& code) {
    return code.substr(0, code.find('_'));
}

// The translation a code names; "en" for English; "" for none.
std::string match(const std::string& given, const std::vector<std::string>& translations) {
    const std::string code = normalised(std::string(trimmed(given)));
    if (code.empty())
        return {};
    if (languageOf(code) == "en" || code == "C" || code == "POSIX")
        return "en";
    for (const std::string& translation : translations)
        if (translation == code)
            return translation;
    for (const std::string& translation : translations)
        if (languageOf(translation) == languageOf(code))
            return translation;
    return {};
}

} // namespace

std::string chooselanguage(const LanguageSources& sources) {
    std::vector<std::string> tried{sources.commandLine, sources.settings};
    tried.insert(tried.end(), sources.desktop.begin(), sources.desktop.end());
    for (const std::string& code : tried) {
        const std::string found = match(code, sources.translations);
        if (!found.empty())
            return found == "en" ? std::string() : found;
    }
    return {};
}

std::string settingslanguage(const std::string& iniPath) {
    return generalsetting(iniPath, "language");
}

std::vector<std::string> translationsin(const std::string& folder) {
    std::vector<std::string> codes;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("stridewell_") && name.ends_with(".qm"))
            codes.push_back(name.substr(11, name.size() - 14));
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::string translationsfolder(const std::string& programFolder) {
    const fs::path base = programFolder.empty() ? fs::path(".") : fs::path(programFolder);
    std::error_code error;
    const fs::path installed = (base / STRIDEWELL_TRANSLATION_RELATIVE).lexically_normal();
    if (fs::is_directory(installed, error))
        return installed.string() + "/";
    return (base / "translations").string() + "/";
}
