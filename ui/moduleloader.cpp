#include "moduleloader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>

std::string programFolder() {
    // Not the application folder: that one can be moved, the modules cannot.
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size())
        return {};
    path.resize(static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void* loadModuleEntry(const std::string& fileName, const char* entry) {
    // Nothing is logged: a missing module shows as a silent cue or a failed
    // download, as the program's other failures do.
    const std::string folder = programFolder();
    if (folder.empty())
        return nullptr;
    // Never closed: its code may still run on a worker thread at exit.
    void* module = ::dlopen((folder + fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        return nullptr;
    return ::dlsym(module, entry);
}
