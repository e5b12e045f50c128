#pragma once

#include <string>

// The application folder: the folder of the executable, ending in "/".
// Every data file is found relative to it.
const std::string& applicationfolder();

// Tests and tools point the program at another folder; a trailing "/" is added
// when missing.
void setapplicationfolder(const std::string& folder);

// applicationfolder() + "Circuits/"
std::string circuitsfolder();

// applicationfolder() + "exercises.lst"
std::string exerciselibrarypath();

bool fileexists(const std::string& path);
