#include "datahelpers.h"

#include "data/ioerror.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

std::string libraryRecord(uint32_t number, const std::string& name, const std::string& extype,
                          const std::string& description, int online) {
    return std::to_string(number) + "\r\n" + name + "\r\n" + extype + "\r\n" + description +
           "\r\n" + std::to_string(online) + "\r\n";
}

std::unique_ptr<ExerciseTable> makeTable(const std::vector<TExercise>& records) {
    auto table = std::make_unique<ExerciseTable>();
    for (size_t i = 0; i < records.size(); ++i)
        (*table)[static_cast<int>(i)] = records[i];
    table->librarysize = static_cast<int32_t>(records.size());
    return table;
}

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void expectIoError(const std::function<void()>& action, const char* text, const std::string& what) {
    try {
        action();
        ADD_FAILURE() << "no error for " << what;
    } catch (const IoError& error) {
        EXPECT_STREQ(error.what(), text) << what;
    }
}
