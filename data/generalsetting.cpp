#include "data/generalsetting.h"

#include "data/atomicfile.h"
#include "data/ioerror.h"
#include "data/texttrim.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// Larger than any file this program writes by far: not ours.
constexpr std::uintmax_t kLargestOwnFile = 64 * 1024;

bool readable(const std::string& iniPath) {
    std::error_code error;
    return fs::is_regular_file(iniPath, error) && fs::file_size(iniPath, error) <= kLargestOwnFile;
}

// The value when `line` is the key's line, else nothing.
bool iskeyline(std::string_view line, std::string_view key, std::string_view* value) {
    const std::string_view text = trimmed(line);
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || trimmed(text.substr(0, equals)) != key)
        return false;
    *value = trimmed(text.substr(equals + 1));
    return true;
}

} // namespace

std::string generalsetting(const std::string& iniPath, std::string_view key) {
    if (!readable(iniPath))
        return {};
    std::ifstream file(iniPath);
    std::string line;
    bool general = true;
    while (std::getline(file, line)) {
        const std::string_view text = trimmed(line);
        if (text.starts_with('[')) {
            general = text == "[General]";
            continue;
        }
        std::string_view value;
        if (general && iskeyline(text, key, &value))
            return std::string(value);
    }
    return {};
}

void setgeneralsetting(const std::string& iniPath, std::string_view key, const std::string& value) {
    std::string old;
    if (fs::exists(iniPath)) {
        if (!readable(iniPath))
            return;
        // A file that is there but cannot be read is not replaced by one
        // without its other lines.
        std::ifstream file(iniPath, std::ios::binary);
        if (!file)
            throw IoError(ioerrortext(errno, false));
        old.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (file.bad())
            throw IoError(ioerrortext(EIO, false));
    }
    const std::string keyLine = std::string(key) + "=" + value + "\n";
    std::string bytes;
    bool placed = false;
    bool general = true;
    size_t start = 0;
    while (start < old.size()) {
        const size_t end = old.find('\n', start);
        const size_t next = end == std::string::npos ? old.size() : end + 1;
        const std::string_view line(old.data() + start, next - start);
        const std::string_view text = trimmed(line);
        if (text.starts_with('['))
            general = text == "[General]";
        std::string_view ignored;
        if (!placed && general && iskeyline(line, key, &ignored)) {
            bytes += keyLine;
            placed = true;
        } else {
            bytes += line;
            if (end == std::string::npos)
                bytes += '\n';
        }
        start = next;
    }
    if (!placed)
        bytes.insert(0, keyLine);
    writefileatomically(iniPath, bytes);
}
