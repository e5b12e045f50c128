#include "data/historyfile.h"

#include "data/apppaths.h"
#include "data/atomicfile.h"
#include "data/ioerror.h"
#include "data/writeall.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const char* const kHistoryHeader =
    "started,circuit,type,planned_seconds,seconds_run,exercises_done,exercise_count,finished,"
    "rounds_planned,rounds_completed,exact";

namespace {

constexpr size_t kFieldCount = 11;
// Lines written before the exact counting was kept end after the rounds;
// lines written before the rounds were kept end after "finished".
constexpr size_t kFieldCountBeforeExact = 10;
constexpr size_t kFieldCountBeforeRounds = 8;

bool knownFieldCount(size_t count) {
    return count == kFieldCount || count == kFieldCountBeforeExact ||
           count == kFieldCountBeforeRounds;
}

// "yes" or "no", as the file writes its flags.
bool parseFlag(const std::string& text, bool& value) {
    if (text == "yes")
        value = true;
    else if (text == "no")
        value = false;
    else
        return false;
    return true;
}

// Closes the descriptor on every way out.
class FileDescriptor final {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

void appendField(std::string& line, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// Moves pos past the line end at pos (LF, CR LF or a lone CR).
void skipLineEnd(std::string_view bytes, size_t& pos) {
    if (pos < bytes.size() && bytes[pos] == '\r')
        ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n')
        ++pos;
}

// Reads one record from pos into fields and moves pos past its line end.
// False when the record is not well-formed CSV (a stray quote, text after a
// closing quote, a quote left open at the end of the file).
bool readRecord(std::string_view bytes, size_t& pos, std::vector<std::string>& fields) {
    fields.clear();
    while (true) {
        std::string& field = fields.emplace_back();
        if (pos < bytes.size() && bytes[pos] == '"') {
            ++pos;
            while (true) {
                if (pos >= bytes.size())
                    return false; // cut inside the quotes
                const char c = bytes[pos++];
                if (c != '"') {
                    field += c;
                } else if (pos < bytes.size() && bytes[pos] == '"') {
                    field += '"';
                    ++pos;
                } else {
                    break;
                }
            }
            if (pos < bytes.size() && bytes[pos] != ',' && !isLineEnd(bytes[pos]))
                return false;
        } else {
            const size_t start = pos;
            while (pos < bytes.size() && bytes[pos] != ',' && !isLineEnd(bytes[pos])) {
                if (bytes[pos] == '"')
                    return false;
                ++pos;
            }
            field.assign(bytes.substr(start, pos - start));
        }
        if (pos < bytes.size() && bytes[pos] == ',') {
            ++pos;
            continue;
        }
        skipLineEnd(bytes, pos);
        return true;
    }
}

template <class Number> bool parseNumber(const std::string& text, Number& value) {
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool parseDigits(std::string_view text, size_t pos, size_t count, int& value) {
    if (pos + count > text.size())
        return false;
    value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[static_cast<size_t>(month - 1)];
}

bool toEntry(const std::vector<std::string>& fields, HistoryEntry& entry) {
    if (!knownFieldCount(fields.size()))
        return false;
    entry.started = fields[0];
    entry.circuitname = fields[1];
    entry.circuittype = fields[2];
    if (!parsetimestamp(entry.started, entry.date, entry.startedutc) ||
        !parseNumber(fields[3], entry.plannedseconds) ||
        !parseNumber(fields[4], entry.secondsrun) || !parseNumber(fields[5], entry.exercisesdone) ||
        !parseNumber(fields[6], entry.exercisecount))
        return false;
    if (!parseFlag(fields[7], entry.finished))
        return false;
    if (fields.size() == kFieldCountBeforeRounds) {
        entry.roundsplanned = 1;
        entry.roundscompleted = entry.finished ? 1 : 0;
        return true;
    }
    if (!parseNumber(fields[8], entry.roundsplanned) ||
        !parseNumber(fields[9], entry.roundscompleted))
        return false;
    if (fields.size() == kFieldCountBeforeExact)
        return true;
    bool exact = false;
    if (!parseFlag(fields[10], exact))
        return false;
    entry.exact = exact;
    return true;
}

std::string readWhole(const std::string& path, bool& missing) {
    missing = false;
    // Not blocking: a pipe put in the file's place must not hang the reader.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            missing = true;
            return {};
        }
        throw IoError(ioerrortext(errno, false));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        throw IoError(ioerrortext(errno, false));
    if (!S_ISREG(info.st_mode))
        throw IoError(ioerrortext(EISDIR, false));
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(ioerrortext(errno, false));
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return bytes;
}

} // namespace

int64_t daynumber(const CivilDate& date) {
    // Days from the civil calendar, valid for every year of the proleptic Gregorian calendar.
    const int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear =
        (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate datefromdaynumber(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    date.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

std::string historypath() {
    return historypath(applicationfolder());
}

std::string historypath(const std::string& folder) {
    return folder + "history.csv";
}

std::string historyrecord(const HistoryEntry& entry) {
    std::string line;
    line.reserve(96 + entry.circuitname.size() + entry.circuittype.size());
    appendField(line, entry.started);
    line += ',';
    appendField(line, entry.circuitname);
    line += ',';
    appendField(line, entry.circuittype);
    for (const uint64_t number : {entry.plannedseconds, entry.secondsrun,
                                  uint64_t{entry.exercisesdone}, uint64_t{entry.exercisecount}}) {
        line += ',';
        line += std::to_string(number);
    }
    line += entry.finished ? ",yes," : ",no,";
    line += std::to_string(entry.roundsplanned);
    line += ',';
    line += std::to_string(entry.roundscompleted);
    if (entry.exact)
        line += *entry.exact ? ",yes" : ",no";
    line += "\r\n";
    return line;
}

void appendhistory(const std::string& path, const HistoryEntry& entry) {
    FileDescriptor fd(
        ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    if (fd.get() < 0)
        throw IoError(ioerrortext(errno, true));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        throw IoError(ioerrortext(errno, true));
    if (!S_ISREG(info.st_mode))
        throw IoError(ioerrortext(EISDIR, true)); // a pipe or a device is no history
    // A second copy of the program appends one whole record at a time too.
    while (::flock(fd.get(), LOCK_EX) != 0)
        if (errno != EINTR)
            throw IoError(ioerrortext(errno, true));

    // Its size now that no other copy of the program is appending.
    if (::fstat(fd.get(), &info) != 0)
        throw IoError(ioerrortext(errno, true));
    std::string bytes;
    if (info.st_size == 0) {
        bytes = kHistoryHeader;
        bytes += "\r\n";
    } else {
        // A record cut short by a crash has no line end; the new record must
        // not be glued to it.
        char last = '\n';
        if (::pread(fd.get(), &last, 1, info.st_size - 1) == 1 && last != '\n')
            bytes = "\r\n";
    }
    bytes += historyrecord(entry);
    if (!writeall(fd.get(), bytes))
        throw IoError(ioerrortext(errno, true));
    if (::fdatasync(fd.get()) != 0)
        throw IoError(ioerrortext(errno, true));
    if (::close(fd.release()) != 0)
        throw IoError(ioerrortext(errno, true));
}

HistoryContents parsehistory(std::string_view bytes) {
    HistoryContents contents;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    contents.entries.reserve(bytes.size() / 80);
    std::vector<std::string> fields;
    fields.reserve(kFieldCount + 1);
    size_t pos = 0;
    bool first = true;
    while (pos < bytes.size()) {
        const size_t start = pos;
        HistoryEntry entry;
        const bool wellFormed = readRecord(bytes, pos, fields);
        const bool header =
            first && wellFormed && knownFieldCount(fields.size()) && fields[0] == "started";
        first = false;
        if (header)
            continue;
        if (wellFormed && fields.size() == 1 && fields[0].empty())
            continue; // a blank line
        if (wellFormed && toEntry(fields, entry)) {
            contents.entries.push_back(std::move(entry));
            continue;
        }
        // Skip the damaged line only: a stray quote must not swallow the
        // records after it.
        ++contents.damaged;
        pos = start;
        while (pos < bytes.size() && !isLineEnd(bytes[pos]))
            ++pos;
        skipLineEnd(bytes, pos);
    }
    return contents;
}

HistoryContents readhistory(const std::string& path) {
    bool missing = false;
    const std::string bytes = readWhole(path, missing);
    return parsehistory(bytes);
}

void exporthistory(const std::string& history, const std::string& target) {
    // The copy must not take the place of the history itself.
    struct stat source {
    }, chosen{};
    if (::stat(history.c_str(), &source) == 0 && ::stat(target.c_str(), &chosen) == 0 &&
        source.st_dev == chosen.st_dev && source.st_ino == chosen.st_ino)
        throw IoError(FileText{FileTextId::ExportOverItself, {}, {}});
    const HistoryContents contents = readhistory(history);
    std::string bytes = kHistoryHeader;
    bytes += "\r\n";
    for (const HistoryEntry& entry : contents.entries)
        bytes += historyrecord(entry);
    writefileatomically(target, bytes);
}

std::string localtimestamp(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    char text[64];
    // Offsets lie within a day.
    const int offsetMinutes = static_cast<int>(local.tm_gmtoff / 60 % 1440);
    const int magnitude = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, offsetMinutes < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
    return text;
}

bool parsetimestamp(std::string_view text, CivilDate& date, int64_t& utc) {
    // 2026-12-07T18:30:05+01:00
    // 0123456789012345678901234
    int hour = 0, minute = 0, second = 0;
    if (text.size() < 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || !parseDigits(text, 0, 4, date.year) ||
        !parseDigits(text, 5, 2, date.month) || !parseDigits(text, 8, 2, date.day) ||
        !parseDigits(text, 11, 2, hour) || !parseDigits(text, 14, 2, minute) ||
        !parseDigits(text, 17, 2, second))
        return false;
    if (date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > daysInMonth(date.year, date.month) || hour > 23 || minute > 59 || second > 60)
        return false;
    int offset = 0;
    if (text.size() == 20 && text[19] == 'Z') {
        offset = 0;
    } else {
        int offsetHours = 0, offsetMinutes = 0;
        if (text.size() != 25 || (text[19] != '+' && text[19] != '-') || text[22] != ':' ||
            !parseDigits(text, 20, 2, offsetHours) || !parseDigits(text, 23, 2, offsetMinutes) ||
            offsetHours > 23 || offsetMinutes > 59)
            return false;
        offset = (offsetHours * 60 + offsetMinutes) * 60 * (text[19] == '-' ? -1 : 1);
    }
    utc = daynumber(date) * 86400 + hour * 3600 + minute * 60 + second - offset;
    return true;
}

CivilDate localtoday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}
