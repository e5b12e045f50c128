#include "contentupdate.h"

#include "apppaths.h"
#include "filenames.h"
#include "dialogs.h"
#include "errorguard.h"
#include "ioerror.h"
#include "replycheck.h"
#include "textconv.h"
#include "textreader.h"
#include "transferfailure.h"

#include <filesystem>
#include <system_error>
#include <unordered_set>

namespace {

constexpr const char* kExerciseList = "/kinoradex/newexercises.lst";
constexpr const char* kCircuitList = "/kinoradex/newcircuits.lst";
constexpr const char* kCircuitFolder = "/kinoradex/circuits/";
constexpr int32_t kMaxContentFileSize = 1024 * 1024;

// The three texts of an exercise as one key: each text's length, then its
// bytes, so no two different triples give the same key.
std::string exercisekey(const std::string& name, const std::string& extype,
                        const std::string& description) {
    std::string key;
    key.reserve(name.size() + extype.size() + description.size() + 24);
    for (const std::string* text : {&name, &extype, &description}) {
        key += std::to_string(text->size());
        key += ':';
        key += *text;
    }
    return key;
}

// The exercises the table holds, looked up in constant time: a group of the
// exercise list that matches a record, or the free slot after the last
// record, in all three texts is already held. Blank groups match the free
// slot and so are never added.
class HeldExercises final {
public:
    explicit HeldExercises(const ExerciseTable& table) {
        for (int slot = 0; slot <= table.librarysize && slot < kExerciseSlots; ++slot) {
            const TExercise& held = table[slot];
            m_keys.insert(exercisekey(held.name, held.extype, held.description));
        }
    }
    bool contains(const std::string& key) const { return m_keys.contains(key); }
    void add(std::string key) { m_keys.insert(std::move(key)); }

private:
    std::unordered_set<std::string> m_keys;
};

bool isemptyreply(const TransferFailure& failure) {
    return failure.kind == TransferFailureKind::Refused && failure.detail == kEmptyReply;
}

// A refused reply says what was wrong with it; any other failure adds its
// reason on a second line ("New circuit file could not be found\nNo
// connection to localhost:80").
std::string failuremessage(const std::string& subject, const std::string& failed,
                           const TransferFailure& failure) {
    if (failure.kind == TransferFailureKind::Refused)
        return subject + " was refused: the server's answer " + failure.detail;
    return failed + "\n" + transferfailuretext(failure);
}

void makecircuitsfolder() {
    std::error_code error;
    std::filesystem::create_directories(circuitsfolder(), error);
    if (error)
        throw IoError(ioerrortext(error.value(), true));
}

} // namespace

ContentUpdate::ContentUpdate(std::function<void()> loadlibrary, QWidget* dialogParent,
                             ContentServerAddress server, ExerciseTable& table)
    : m_loadlibrary(std::move(loadlibrary)), m_dialogParent(dialogParent),
      m_server(std::move(server)), m_table(table) {
    for (THTTPGet* component : {&HTTPGet, &Circuitget, &CircuitDownloader}) {
        component->Port = m_server.port;
        // The lists and circuits are small text files; a larger answer is refused
        // before its merge could hold up the window.
        component->Limits.MaxSize = kMaxContentFileSize;
    }
    // Whatever answers at the content host (a portal, a proxy, another
    // server) is judged before anything of it is written or merged.
    HTTPGet.Check = checkexerciselist;
    Circuitget.Check = checkcircuitlist;
    CircuitDownloader.Check = checkcircuit;
    // A circuit the user stored under the same name while it was arriving is kept.
    CircuitDownloader.ReplaceExisting = false;
    HTTPGet.OnDoneFile = [this](QObject* sender, const std::string& file, int32_t size) {
        HTTPGetDoneFile(sender, file, size);
    };
    HTTPGet.OnError = [this](QObject* sender) { HTTPGetError(sender); };
    Circuitget.OnDoneFile = [this](QObject* sender, const std::string& file, int32_t size) {
        CircuitgetDoneFile(sender, file, size);
    };
    Circuitget.OnError = [this](QObject* sender) { CircuitgetError(sender); };
    CircuitDownloader.OnDoneFile = [this](QObject* sender, const std::string& file, int32_t size) {
        CircuitDownloaderDoneFile(sender, file, size);
    };
    CircuitDownloader.OnError = [this](QObject* sender) { CircuitDownloaderError(sender); };
}

std::string ContentUpdate::address(const std::string& path) const {
    return "http://" + m_server.host + path;
}

void ContentUpdate::show(const std::string& text) {
    Dialogs::message(m_dialogParent, totext(text));
}

void ContentUpdate::lbl_checkexercisesClick() {
    guarded(m_dialogParent, [&] {
        // The merge works on what is stored, not on what the table holds now.
        m_loadlibrary();
        HTTPGet.URL = address(kExerciseList);
        HTTPGet.FileName = applicationfolder() + "newexercises.lst";
        HTTPGet.DownloadFile();
    });
}

void ContentUpdate::HTTPGetDoneFile(QObject*, const std::string& FileName, int32_t) {
    guarded(m_dialogParent, [&] { mergeexercises(FileName); });
}

void ContentUpdate::HTTPGetError(QObject*) {
    guarded(m_dialogParent, [&] {
        const TransferFailure& failure = HTTPGet.failure();
        if (isemptyreply(failure))
            show("No new exercises available at this time"); // and the kept list stays
        else
            show(failuremessage("New exercise file", "New exercise file could not be found",
                                failure));
    });
}

// The list holds groups of three lines: name, type, description. New ones are
// numbered on from the last record, in the order of the list, with online 1.
void ContentUpdate::mergeexercises(const std::string& listPath) {
    checklibrarysave(m_table, exerciselibrarypath()); // nothing is merged into a partial library
    TextReader list(listPath);
    HeldExercises held(m_table);
    int added = 0;
    bool full = false;
    while (!list.atEnd()) {
        // A last group cut short reads empty texts.
        const std::string name = list.readLine();
        const std::string extype = list.readLine();
        const std::string description = list.readLine();
        std::string key = exercisekey(name, extype, description);
        if (held.contains(key))
            continue;
        if (addexercisefromupdate(m_table, name, extype, description) < 0) {
            full = true;
            break;
        }
        held.add(std::move(key));
        ++added;
    }
    // Stored before the count is shown, so a save that fails is never reported
    // as added. With nothing added the file is left as it is: it may hold
    // records the table had no room for.
    if (added > 0)
        saveexercises(m_table, exerciselibrarypath());
    if (full)
        show(std::to_string(added) + " Exercises Added. The exercise library is full (" +
             std::to_string(kLibraryCapacity) + " exercises)");
    else if (added == 0)
        show("No new exercises available at this time");
    else
        show(std::to_string(added) + " Exercises Added");
}

void ContentUpdate::lbl_checkcicruitsClick() {
    guarded(m_dialogParent, [&] {
        circuitsadded = 0;
        Circuitget.URL = address(kCircuitList);
        Circuitget.FileName = applicationfolder() + "newcircuits.lst";
        Circuitget.DownloadFile();
    });
}

void ContentUpdate::CircuitgetDoneFile(QObject*, const std::string& FileName, int32_t) {
    guarded(m_dialogParent, [&] {
        TextReader list(FileName);
        while (!list.atEnd())
            circuitstack.Push(list.readLine()); // beyond the room of 20 they are dropped
        if (circuitstack.IsEmpty())
            show("No new circuits available at this time");
        startnextcircuit();
    });
}

void ContentUpdate::CircuitgetError(QObject*) {
    guarded(m_dialogParent, [&] {
        const TransferFailure& failure = Circuitget.failure();
        if (isemptyreply(failure))
            show("No new circuits available at this time"); // and the kept list stays
        else
            show(
                failuremessage("New circuit file", "New circuit file could not be found", failure));
    });
}

void ContentUpdate::CircuitDownloaderDoneFile(QObject*, const std::string&, int32_t) {
    guarded(m_dialogParent, [&] {
        if (circuitstack.IsEmpty())
            show(std::to_string(circuitsadded) + " Circuits Added");
        startnextcircuit();
    });
}

// The chain ends here; the names not yet popped stay for the next check.
void ContentUpdate::CircuitDownloaderError(QObject*) {
    guarded(m_dialogParent, [&] {
        const std::string subject = "Circuit " + m_fetchingCircuit;
        show(failuremessage(subject, subject + " could not be downloaded",
                            CircuitDownloader.failure()));
    });
}

// Pops names until one is missing from the Circuits folder and fetches it; a
// name that is held already or unfit for a file name is passed over. The
// circuits thus arrive one at a time, the last line of the list first.
void ContentUpdate::startnextcircuit() {
    // A chain already under way takes the names pushed meanwhile along.
    if (CircuitDownloader.busy())
        return;
    while (!circuitstack.IsEmpty()) {
        std::string name;
        circuitstack.Pop(name);
        if (!isplainfilename(name))
            continue;
        const std::string path = circuitsfolder() + name;
        if (fileexists(path))
            continue;
        makecircuitsfolder();
        CircuitDownloader.URL = address(kCircuitFolder + percentencode(name));
        CircuitDownloader.FileName = path;
        m_fetchingCircuit = name;
        CircuitDownloader.DownloadFile();
        ++circuitsadded;
        return;
    }
}
