#pragma once

#include "data/filetext.h"

#include <stdexcept>
#include <string>

// The one error type of every file operation. Its text is the runtime's own
// ("File not found", "Invalid numeric input", "Disk write error", ...); a
// problem of the program's own (a bad key, a library it cannot save) is named
// by a FileText, which the windows word in the user's language.
class IoError final : public std::runtime_error {
public:
    explicit IoError(const std::string& text)
        : std::runtime_error(text), m_words{FileTextId::Plain, {text}, {}} {}
    explicit IoError(FileText words)
        : std::runtime_error(englishtext(words)), m_words(std::move(words)) {}

    const FileText& words() const { return m_words; }

private:
    FileText m_words;
};

// The runtime's text for an errno value from opening, reading or writing a file.
std::string ioerrortext(int errnoValue, bool writing);
