#pragma once

#include "data/exercises.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A circuit and the library records of the exercises it uses, as one text
// file a person can read (".stridewell"), so that a circuit can leave the
// program whole:
//
//   Stridewell circuit 1        the kind of file and its format's version
//   circuit 6                   the circuit file's lines follow, this many
//   Legs                          as the circuit file holds them, keys and all
//   Lower Body
//   30 rounds=3
//   10
//   Squat
//   Lunge<TAB>sides=2
//   exercise                    one library record: name, type, description,
//   Squat                         and its encyclopedia mark (0 or 1)
//   Lower Body
//   Feet shoulder-width apart, sit back and stand up.
//   1
//   end 1                       the number of records: a cut file lacks it
//
// Lines end in LF (CR LF and a lone CR are read too). Texts are the files'
// own bytes. The records carry no numbers: whoever takes them in numbers
// them. A reader refuses any other version, a file over 16 MiB, and a file
// that ends before its end line.
struct CircuitBundle {
    std::vector<std::string> circuitLines;
    std::vector<TExercise> exercises; // number 0: not carried
};

inline constexpr std::string_view kBundleHeading = "Stridewell circuit";
inline constexpr int kBundleVersion = 1;
inline constexpr size_t kLargestBundle = 16 * 1024 * 1024;

// The bundle of the circuit file at `circuitPath`: its lines as stored, and
// the records of `library` that its entries name, each once, in the order
// first named. Raises IoError when the file cannot be read, or when the
// circuit reader would refuse it.
CircuitBundle bundlecircuit(const std::string& circuitPath, const ExerciseTable& library);

std::string bundlebytes(const CircuitBundle& bundle);

// Writes the bundle of the circuit file at `circuitPath` to `destination`,
// replacing it atomically. A destination that is the library file or a
// circuit file of the circuit's folder is refused (ExportOverData): an export
// never takes the place of the data it comes from. Raises IoError.
void exportcircuit(const std::string& circuitPath, const ExerciseTable& library,
                   const std::string& libraryPath, const std::string& destination);

// Raises IoError naming `path` and why when `bytes` are not a whole bundle
// this program can read.
CircuitBundle readbundle(std::string_view bytes, const std::string& path);
