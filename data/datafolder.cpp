#include "data/datafolder.h"

#include "data/apppaths.h"
#include "data/atomicfile.h"
#include "data/ioerror.h"
#include "data/writeall.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

#ifndef STRIDEWELL_STARTER_RELATIVE
#define STRIDEWELL_STARTER_RELATIVE "../share/stridewell/"
#endif

namespace {

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

[[noreturn]] void failWriting(int error) {
    throw IoError(ioerrortext(error, true));
}

bool readWhole(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes a whole new file `name` in `folder` unless one is there already: the
// bytes go to a temporary file that is then linked under the name, which fails
// rather than replace. Returns false when it could not be written.
bool writeIfMissing(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::string temporary = folder + ".stridewell-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, static_cast<mode_t>(newfilemode(folder + name))) == 0 &&
              writeall(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::link(temporary.c_str(), (folder + name).c_str()) != 0 && errno != EEXIST)
        ok = false;
    ::unlink(temporary.c_str());
    return ok;
}

// Copies the starter library and circuits into `folder`, file by file, never
// over a file that is there. A starter file that cannot be read is left out:
// the program runs without it.
void seed(const std::string& folder, const std::string& starterFolder) {
    std::string bytes;
    if (readWhole(starterFolder + "exercises.lst", bytes))
        writeIfMissing(folder, "exercises.lst", bytes);

    std::error_code error;
    std::vector<fs::path> circuits;
    for (fs::directory_iterator it(starterFolder + "Circuits", error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error) && it->path().extension() == ".cir")
            circuits.push_back(it->path());
    }
    for (const fs::path& circuit : circuits) {
        if (readWhole(circuit, bytes))
            writeIfMissing(folder + "Circuits/", circuit.filename().string(), bytes);
    }
}

// A start killed while it built a data folder leaves its building folder
// behind. One whose process is gone goes; one of a copy still starting stays,
// and so does anything not named exactly as the program names them.
void removeAbandonedBuildingFolders(const fs::path& parent) {
    std::error_code error;
    for (fs::directory_iterator entry(parent, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::string prefix = ".stridewell-";
        if (!name.starts_with(prefix) || name.size() == prefix.size() ||
            name.size() > prefix.size() + 9)
            continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const auto pid = static_cast<pid_t>(std::stol(digits));
        std::error_code statusError;
        if (pid <= 0 || pid == ::getpid() ||
            !fs::is_directory(entry->symlink_status(statusError)) || statusError)
            continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH) {
            std::error_code removeError;
            fs::remove_all(entry->path(), removeError);
        }
    }
}

// Builds the folder under a temporary name beside it and renames it into
// place, so a start that is killed half way leaves no half-seeded folder. When
// another copy of the program made the folder meanwhile, its folder stays.
void createSeeded(const std::string& folder, const std::string& starterFolder) {
    const fs::path target = folderwithoutseparator(folder);
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (error)
        failWriting(error.value());
    removeAbandonedBuildingFolders(target.parent_path());

    // Made by mkdir, so the folder gets the usual permissions (the kernel
    // applies the umask); the umask is never set, not even for a moment.
    const std::string building =
        (target.parent_path() / (".stridewell-" + std::to_string(::getpid()))).string();
    // One left by an earlier start that had this process number was killed
    // half way: it goes.
    int made = ::mkdir(building.c_str(), 0777);
    if (made != 0 && errno == EEXIST) {
        fs::remove_all(building, error);
        made = ::mkdir(building.c_str(), 0777);
    }
    if (made != 0)
        failWriting(errno);
    const std::string inside = withSeparator(building);
    if (::mkdir((inside + "Circuits").c_str(), 0777) != 0) {
        const int reason = errno;
        fs::remove_all(building, error);
        failWriting(reason);
    }
    if (!starterFolder.empty())
        seed(inside, starterFolder);
    if (::rename(building.c_str(), target.c_str()) != 0) {
        const int reason = errno;
        fs::remove_all(building, error);
        if (reason != EEXIST && reason != ENOTEMPTY)
            failWriting(reason);
    }
}

} // namespace

bool folderwritable(const std::string& folder) {
    // Tried rather than judged from the permission bits, which an
    // administrator passes and a read-only file system does not.
    std::string probe = withSeparator(folder) + ".stridewell-XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string installedstarterfolder(const std::string& programFolder) {
    if (programFolder.empty())
        return {};
    const std::string folder =
        fs::path(withSeparator(programFolder) + STRIDEWELL_STARTER_RELATIVE).lexically_normal();
    std::error_code error;
    return fs::is_directory(folder, error) ? withSeparator(folder) : std::string();
}

std::string starterfolder(const std::string& programFolder) {
    const std::string installed = installedstarterfolder(programFolder);
    if (!installed.empty() || programFolder.empty())
        return installed;
    const std::string beside = withSeparator(programFolder);
    return fileexists(beside + "exercises.lst") ? beside : std::string();
}

std::string starterfolderin(const std::string& starterFolder, const std::string& language) {
    if (starterFolder.empty() || language.empty() ||
        language.find_first_of("/.") != std::string::npos)
        return starterFolder;
    const std::string translated = withSeparator(starterFolder) + language + "/";
    return fileexists(translated + "exercises.lst") ? translated : starterFolder;
}

std::string choosedatafolder(const DataFolderPlaces& places) {
    // Made absolute at once: a relative folder means the one the program was started in.
    if (!places.dataDirOption.empty())
        return withSeparator(fs::absolute(places.dataDirOption).lexically_normal().string());
    if (!places.programFolder.empty() && installedstarterfolder(places.programFolder).empty() &&
        folderwritable(places.programFolder))
        return withSeparator(places.programFolder);
    // A relative $XDG_DATA_HOME is invalid and is ignored.
    if (!places.xdgDataHome.empty() && places.xdgDataHome.front() == '/')
        return withSeparator(places.xdgDataHome) + "stridewell/";
    if (places.home.empty() || places.home.front() != '/')
        throw IoError(ioerrortext(ENOENT, true));
    return withSeparator(places.home) + ".local/share/stridewell/";
}

void preparedatafolder(const std::string& folder, const std::string& starterFolder) {
    const std::string place = withSeparator(folder);
    std::error_code error;
    if (!fs::exists(folderwithoutseparator(place), error))
        createSeeded(place, starterFolder);
    if (!fs::is_directory(folderwithoutseparator(place), error))
        failWriting(error ? error.value() : ENOTDIR);

    const bool unused =
        !fs::exists(place + "exercises.lst", error) && !fs::exists(place + "Circuits", error);
    // Circuits is made before the seeding: from then on the folder counts as
    // in use and is never seeded again over what the user did since.
    if (::mkdir((place + "Circuits").c_str(), 0777) != 0 && errno != EEXIST)
        return; // a read-only folder: the program runs and reports each failed save
    if (unused && !starterFolder.empty())
        seed(place, starterFolder);
}

std::string folderwithoutseparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}
