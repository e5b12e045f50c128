#pragma once

#include "runner/runaids.h"

#include <string>

// The run options as the user left them, in an INI file (by default
// stridewell.ini in the application folder):
//
//   [Runner]
//   SpeakExerciseNames=true
//   CountDown=false
//   KeepScreenAwake=true
//   Sound=bell
//   Volume=50
//   BigClockOnOtherScreen=false
//   ExactIntervals=true
//
// A missing, unreadable or broken file, or a key that is missing or holds
// anything but true/false (or 1/0), gives that option its default. Sound is
// one of chime, bell, doublebeep and gong; Volume one of 10, 20, ... 100.
// These four are written only when they differ from their defaults (chime,
// 100, true, false).
class RunSettings final {
public:
    RunSettings();
    explicit RunSettings(std::string path);
    // The settings file of a data folder (ending in "/").
    static std::string pathIn(const std::string& folder);

    RunOptions load() const;
    // Replaces the file as a whole; raises IoError when it cannot.
    void save(const RunOptions& options) const;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};
