#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A day of the calendar, as the user's clock showed it.
struct CivilDate {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
};

// Days since 1970-01-01 (negative before it).
int64_t daynumber(const CivilDate& date);
CivilDate datefromdaynumber(int64_t days);

// One run of a circuit, as history.csv keeps it.
struct HistoryEntry {
    std::string started; // local time with its offset: "2026-12-07T18:30:05+01:00"
    std::string circuitname;
    std::string circuittype;
    uint64_t plannedseconds = 0; // the circuit's whole time, as the catalogue counts it
    uint64_t secondsrun = 0;     // seconds the run timer actually counted
    uint32_t exercisesdone = 0;  // exercise intervals completed
    uint32_t exercisecount = 0;
    bool finished = false;
    uint32_t roundsplanned = 1;   // lines written before rounds were kept read as 1
    uint32_t roundscompleted = 0; // such a line: 1 for a finished run, else 0
    // Every interval lasted exactly its length (the runner's "Count each interval
    // exactly"), rather than showing 00:00 for a second more. Nothing for a line
    // written before this was kept: such a run counted as designed, and the line
    // is written back without the column, as it was.
    std::optional<bool> exact;

    // Taken from `started` when the line is read.
    CivilDate date;         // the local day the run started
    int64_t startedutc = 0; // the same moment in seconds since the epoch
};

// applicationfolder() + "history.csv"
std::string historypath();
// The history file of a data folder (ending in "/").
std::string historypath(const std::string& folder);

// The first line of the file.
extern const char* const kHistoryHeader; // without its line end

// One record of the file with its CR LF: fields holding a comma, a quote or a
// line break are quoted, quotes inside doubled ("a,b" -> "\"a,b\""). The
// last column, exact, is left out for an entry that has no `exact`.
// The file is only appended to: one begun before a column existed keeps its
// header, and its old lines stand beside the longer new ones.
std::string historyrecord(const HistoryEntry& entry);

// Appends one record: the file is opened for appending (and created with the
// header when new), the whole line goes out in one write, then the data are
// synced. The file is never rewritten. A record cut short by a crash stays
// where it is; the next record starts on a line of its own. Raises IoError
// with the runtime's text.
void appendhistory(const std::string& path, const HistoryEntry& entry);

struct HistoryContents {
    std::vector<HistoryEntry> entries; // in the order of the file
    size_t damaged = 0;                // lines skipped: cut short, edited out of shape
};

// Reads every well-formed record. A damaged line is skipped and reading goes
// on at the next line. A BOM, LF or CR LF line ends and a missing last line
// end are all accepted.
HistoryContents parsehistory(std::string_view bytes);

// The file at path; a missing file is an empty history. Raises IoError when
// the file exists but cannot be read.
HistoryContents readhistory(const std::string& path);

// Writes the well-formed records of the history file at `history` as a
// spreadsheet-ready CSV file at `target` (header included, damaged lines left
// out), replacing it atomically. Raises IoError.
void exporthistory(const std::string& history, const std::string& target);

// "2026-12-07T18:30:05+01:00" for the moment `when` in the local time zone.
std::string localtimestamp(std::time_t when);

// Parses a timestamp as localtimestamp() writes it (also with "Z" for UTC).
// False when the text is not one.
bool parsetimestamp(std::string_view text, CivilDate& date, int64_t& utc);

// Today in the local time zone.
CivilDate localtoday();
