#include "moduleloader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
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
    const std::string folder = programFolder();
    if (folder.empty()) {
        std::fprintf(stderr, "Cannot load %s: the program's folder is unknown\n", fileName.c_str());
        return nullptr;
    }
    // Never closed: its code may still run on a worker thread at exit.
    void* module = ::dlopen((folder + fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "Cannot load %s: %s\n", fileName.c_str(), ::dlerror());
        return nullptr;
    }
    void* symbol = ::dlsym(module, entry);
    if (!symbol)
        std::fprintf(stderr, "Cannot load %s: %s\n", fileName.c_str(), ::dlerror());
    return symbol;
}

void reportForeignModule(const char* fileName) {
    std::fprintf(stderr, "Cannot use %s: it belongs to another version\n", fileName);
}
