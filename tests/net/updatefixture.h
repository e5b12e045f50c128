#pragma once

#include "apppaths.h"
#include "contentupdate.h"
#include "exercises.h"
#include "testservers.h"
#include "testsupport/tempfolder.h"
#include "testsupport/testdialogs.h"

#include <memory>
#include <string>

// A fresh application folder with an empty exercise table, and a
// ContentUpdate that loads the library the way the program does.
class UpdateFixture {
public:
    UpdateFixture() {
        m_app.makeApplicationFolder();
        exercisetable() = ExerciseTable{};
        TestDialogs::takeShown();
    }
    virtual ~UpdateFixture() = default;

    const TempFolder& app() const { return m_app; }

    std::unique_ptr<ContentUpdate> makeUpdate(int port) const {
        auto update = std::make_unique<ContentUpdate>(
            [] { loadexercises(exercisetable(), exerciselibrarypath()); }, nullptr,
            ContentServerAddress{"127.0.0.1", port});
        for (THTTPGet* component :
             {&update->HTTPGet, &update->Circuitget, &update->CircuitDownloader}) {
            component->Limits.ConnectTimeoutMs = 1000;
            component->Limits.TimeoutMs = 1000;
            component->Limits.LowSpeedTimeMs = 250;
            component->Limits.MaxSize = 64 * 1024;
        }
        return update;
    }

    // Runs the event loop until no component of the update is busy.
    static bool settle(const ContentUpdate& update, int timeoutMs = 8000) {
        return spinUntil(
            [&update] {
                return !update.HTTPGet.busy() && !update.Circuitget.busy() &&
                       !update.CircuitDownloader.busy();
            },
            timeoutMs);
    }

    static QStringList shown() { return TestDialogs::takeShown(); }

    // One library record as the program writes it.
    static std::string record(uint32_t number, const std::string& name, const std::string& extype,
                              const std::string& description, int online = 0) {
        return std::to_string(number) + "\r\n" + name + "\r\n" + extype + "\r\n" + description +
               "\r\n" + std::to_string(online) + "\r\n";
    }

private:
    TempFolder m_app;
};
