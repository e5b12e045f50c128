#pragma once

#include <string>

// Where the program keeps its data. A portable copy (a build folder, an
// unpacked copy) keeps them beside its executable; an installed program, or
// one whose folder it cannot write to, keeps them in the user's data folder.
struct DataFolderPlaces {
    std::string programFolder; // the executable's folder, ending in "/"
    std::string dataDirOption; // the folder the user named on the command line, or empty
    std::string xdgDataHome;   // $XDG_DATA_HOME, or empty when unset
    std::string home;          // $HOME, or empty when unset
};

// The data folder, ending in "/":
//   a folder named on the command line, always;
//   else the executable's folder, when the program can write there and it is
//     not an installed copy (one with installedstarterfolder() beside it);
//   else $XDG_DATA_HOME/stridewell/ (only when $XDG_DATA_HOME is an absolute
//     path), else $HOME/.local/share/stridewell/.
// Raises IoError when none can be told (no usable $HOME).
std::string choosedatafolder(const DataFolderPlaces& places);

// The starter exercise library and circuits an installed program brings
// (share/stridewell beside its bin folder), ending in "/"; empty when there
// is none.
std::string installedstarterfolder(const std::string& programFolder);

// Where a new data folder takes its starter data from: the installed starter
// folder, else the executable's own folder when it holds a library (a
// portable copy on a folder the program cannot write to); empty when neither.
std::string starterfolder(const std::string& programFolder);

// The starter data in a language: the folder `language` inside `starterFolder`
// when it holds a library ("…/starter/de/"), else `starterFolder` itself, the
// English starter data. "" gives the English ones.
std::string starterfolderin(const std::string& starterFolder, const std::string& language);

// Makes `folder` ready for use: created when missing, with a Circuits folder.
// A folder that is created, or that holds neither a library nor a Circuits
// folder yet, is seeded with the starter library and circuits from
// `starterFolder` (when not empty). A file already there is never replaced,
// and a folder that was in use is never seeded again, so a starter circuit
// the user removed stays removed. A new folder appears whole or not at all.
// Raises IoError with the runtime's text when the folder cannot be made.
void preparedatafolder(const std::string& folder, const std::string& starterFolder);

// True when the program can create files in `folder`.
bool folderwritable(const std::string& folder);

// The folder without its last separators, as it is named to the user and to
// the file system: "/home/u/.local/share/stridewell/" gives ".../stridewell".
std::string folderwithoutseparator(std::string folder);
