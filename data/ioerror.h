#pragma once

#include <stdexcept>
#include <string>

// The one error type of every file operation. Its text is the runtime's own
// ("File not found", "Invalid numeric input", "Disk write error", ...), shown to
// the user as it stands.
class IoError final : public std::runtime_error {
public:
    explicit IoError(const std::string& text) : std::runtime_error(text) {}
};

// The runtime's text for an errno value from opening, reading or writing a file.
std::string ioerrortext(int errnoValue, bool writing);
