#include "data/moduleloader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>

#ifndef STRIDEWELL_MODULE_RELATIVE
#define STRIDEWELL_MODULE_RELATIVE "../lib/stridewell/"
#endif

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
    // Beside the executable in a build folder or a portable copy; in the
    // program's private library folder once installed.
    std::string path = folder + fileName;
    if (::access(path.c_str(), F_OK) != 0)
        path = folder + STRIDEWELL_MODULE_RELATIVE + fileName;
    // Never closed: its code may still run on a worker thread at exit.
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        return nullptr;
    return ::dlsym(module, entry);
}
