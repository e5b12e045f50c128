// Feeds arbitrary bytes as history.csv: every record read writes back and reads
// again as the same record, the summary counts every record, and a run
// appended after whatever the file held reads back whole as the last record.

#include "fuzzsupport.h"
#include "data/historyfile.h"
#include "data/historysummary.h"

#include <cstdint>
#include <string>

namespace {

bool sameRecord(const HistoryEntry& a, const HistoryEntry& b) {
    return a.started == b.started && a.circuitname == b.circuitname &&
           a.circuittype == b.circuittype && a.plannedseconds == b.plannedseconds &&
           a.secondsrun == b.secondsrun && a.exercisesdone == b.exercisesdone &&
           a.exercisecount == b.exercisecount && a.finished == b.finished &&
           a.exact == b.exact && a.startedutc == b.startedutc;
}

struct Files {
    Files() : history(makeScratchFolder() + "/history.csv") {}
    std::string history;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Files files;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const HistoryContents contents = parsehistory(bytes);
    std::string rewritten;
    for (const HistoryEntry& entry : contents.entries)
        rewritten += historyrecord(entry);
    const HistoryContents again = parsehistory(rewritten);
    check(again.damaged == 0 && again.entries.size() == contents.entries.size());
    for (size_t i = 0; i < again.entries.size(); ++i)
        check(sameRecord(again.entries[i], contents.entries[i]));

    const HistorySummary summary = summarisehistory(contents.entries, CivilDate{2026, 12, 9});
    check(summary.all.runs == contents.entries.size());
    check(summary.week.runs <= summary.month.runs + summary.all.runs);
    check(newestfirst(contents.entries).size() == contents.entries.size());

    // A run appended after anything lands on a line of its own.
    writeInput(files.history, data, size);
    HistoryEntry run;
    run.started = "2026-12-07T18:30:05+01:00";
    run.circuitname = "Morning circuit";
    run.circuittype = "Core";
    run.secondsrun = 61;
    run.finished = true;
    check(parsetimestamp(run.started, run.date, run.startedutc));
    appendhistory(files.history, run);
    const HistoryContents appended = readhistory(files.history);
    check(!appended.entries.empty() && sameRecord(appended.entries.back(), run));
    return 0;
}
