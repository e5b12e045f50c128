#pragma once

#include <string>

// Parts of the program that pull in large libraries (the download transport,
// the cue's sound) are modules, loaded when first needed rather than by the
// dynamic linker at start-up. They live beside the executable.

// The folder of the running executable, ending in "/"; empty when unknown.
std::string programFolder();

// Loads `fileName` from programFolder() and looks up `entry` in it; null when
// either fails (the reason goes to stderr). A loaded module stays loaded for
// the rest of the process.
void* loadModuleEntry(const std::string& fileName, const char* entry);
