#pragma once

#include <string>

// The application folder: the folder the program keeps its data in, ending in
// "/". Every data file is found relative to it. Until start-up chooses one
// (datafolder.h) it is the executable's folder.
const std::string& applicationfolder();

// Start-up, tests and tools point the program at another folder; a trailing
// "/" is added when missing.
void setapplicationfolder(const std::string& folder);

// The folder of the running executable, ending in "/": where the program was
// put, as opposed to where it keeps its data. Installed, its modules and
// starter data lie at fixed places relative to it.
const std::string& programfolder();

// applicationfolder() + "Circuits/"
std::string circuitsfolder();

// applicationfolder() + "exercises.lst"
std::string exerciselibrarypath();

bool fileexists(const std::string& path);
