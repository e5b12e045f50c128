#include "net/contentupdate.h"

#include "data/apppaths.h"
#include "data/exercisemerge.h"
#include "data/filenames.h"
#include "data/ioerror.h"
#include "data/textreader.h"
#include "net/replycheck.h"
#include "net/transferfailure.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace {

constexpr const char* kExerciseList = "/kinoradex/newexercises.lst";
constexpr const char* kCircuitList = "/kinoradex/newcircuits.lst";
constexpr const char* kCircuitFolder = "/kinoradex/circuits/";
constexpr int32_t kMaxContentFileSize = 1024 * 1024;

bool isemptyreply(const TransferFailure& failure) {
    return failure.kind == TransferFailureKind::Refused && failure.refusal.fault == ReplyFault::Empty;
}

void makecircuitsfolder() {
    std::error_code error;
    std::filesystem::create_directories(circuitsfolder(), error);
    if (error)
        throw IoError(ioerrortext(error.value(), true));
}

} // namespace

ContentUpdate::ContentUpdate(std::function<void()> loadlibrary, ContentUpdateListener& listener,
                             ContentServerAddress server, ExerciseTable& table)
    : m_loadlibrary(std::move(loadlibrary)), m_listener(listener), m_server(std::move(server)),
      m_table(table) {
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

// Every entry point runs its body through here: an error that ends a step
// goes to the listener, which shows it, and no exception leaves the update.
template <class Body> void ContentUpdate::reporting(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        try {
            m_listener.stepFailed(std::current_exception());
        } catch (...) {
        }
    }
}

void ContentUpdate::listFailed(ContentList list, const TransferFailure& failure) {
    if (isemptyreply(failure))
        m_listener.nothingNew(list); // and the kept list stays
    else
        m_listener.listFailed(list, failure);
}

void ContentUpdate::lbl_checkexercisesClick() {
    reporting([&] {
        // The merge works on what is stored, not on what the table holds now.
        m_loadlibrary();
        HTTPGet.URL = address(kExerciseList);
        HTTPGet.FileName = applicationfolder() + "newexercises.lst";
        HTTPGet.DownloadFile();
    });
}

void ContentUpdate::HTTPGetDoneFile(QObject*, const std::string& FileName, int32_t) {
    reporting([&] { mergeexercises(FileName); });
}

void ContentUpdate::HTTPGetError(QObject*) {
    reporting([&] { listFailed(ContentList::Exercises, HTTPGet.failure()); });
}

// The list is merged into what is stored: the library is read before the
// download, and nothing is merged into a partial one.
void ContentUpdate::mergeexercises(const std::string& listPath) {
    checklibrarysave(m_table, exerciselibrarypath());
    const TextReader list(listPath);
    const ExerciseMerge merge = mergeexerciselist(m_table, list.lines());
    // Stored before the count is reported, so a save that fails is never
    // reported as added. With nothing added the file is left as it is: it may
    // hold records the table had no room for.
    if (merge.added > 0)
        saveexercises(m_table, exerciselibrarypath());
    if (merge.libraryFull || merge.added > 0)
        m_listener.exercisesAdded(merge.added, merge.libraryFull);
    else
        m_listener.nothingNew(ContentList::Exercises);
}

void ContentUpdate::lbl_checkcicruitsClick() {
    reporting([&] {
        circuitsadded = 0;
        Circuitget.URL = address(kCircuitList);
        Circuitget.FileName = applicationfolder() + "newcircuits.lst";
        Circuitget.DownloadFile();
    });
}

void ContentUpdate::CircuitgetDoneFile(QObject*, const std::string& FileName, int32_t) {
    reporting([&] {
        TextReader list(FileName);
        while (!list.atEnd())
            circuitstack.Push(list.readLine()); // beyond the room of 20 they are dropped
        if (circuitstack.IsEmpty())
            m_listener.nothingNew(ContentList::Circuits);
        startnextcircuit();
    });
}

void ContentUpdate::CircuitgetError(QObject*) {
    reporting([&] { listFailed(ContentList::Circuits, Circuitget.failure()); });
}

void ContentUpdate::CircuitDownloaderDoneFile(QObject*, const std::string&, int32_t) {
    reporting([&] {
        if (circuitstack.IsEmpty())
            m_listener.circuitsAdded(circuitsadded);
        startnextcircuit();
    });
}

// The chain ends here; the names not yet popped stay for the next check.
void ContentUpdate::CircuitDownloaderError(QObject*) {
    reporting([&] { m_listener.circuitFailed(m_fetchingCircuit, CircuitDownloader.failure()); });
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
