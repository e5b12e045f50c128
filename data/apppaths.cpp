#include "data/apppaths.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace {

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string executableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return withSeparator(std::filesystem::current_path().string());
    return withSeparator(exe.parent_path().string());
}

std::string& folderSetting() {
    static std::string folder = programfolder();
    return folder;
}

} // namespace

const std::string& programfolder() {
    static const std::string folder = executableFolder();
    return folder;
}

const std::string& applicationfolder() { return folderSetting(); }

void setapplicationfolder(const std::string& folder) { folderSetting() = withSeparator(folder); }

std::string circuitsfolder() { return applicationfolder() + "Circuits/"; }

std::string exerciselibrarypath() { return applicationfolder() + "exercises.lst"; }

bool fileexists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
