#pragma once

#include "data/exercises.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Helpers shared by the data tests.

// One record of exercises.lst as the program writes it (CR LF line ends).
std::string libraryRecord(uint32_t number, const std::string& name, const std::string& extype,
                          const std::string& description, int online);

// A table is 501 records of strings: keep it off the stack.
std::unique_ptr<ExerciseTable> makeTable(const std::vector<TExercise>& records);

// The names in a folder, sorted; "." and ".." left out.
std::vector<std::string> folderEntries(const std::string& folder);

// Runs the action and expects it to raise IoError with exactly this text; a
// failure names the case as `what`.
void expectIoError(const std::function<void()>& action, const char* text, const std::string& what);
