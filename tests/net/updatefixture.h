#pragma once

#include "data/apppaths.h"
#include "data/exercises.h"
#include "net/contentupdate.h"
#include "testservers.h"
#include "testsupport/tempfolder.h"

#include <exception>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using Reports = std::vector<std::string>;

// The kind's name as written in the code, for reports a reader can compare.
inline const char* kindname(TransferFailureKind kind) {
    static constexpr const char* kNames[] = {
        "None",     "NoTransport",    "HostNotFound", "NoConnection",   "TimedOut",
        "NoAnswer", "ConnectionLost", "Status",       "Unreadable",     "NoLength",
        "CutShort", "Empty",          "TooLarge",     "RedirectedAway", "TooManyRedirects",
        "Refused",  "NotWritten",     "Stopped",      "Failed"};
    static_assert(std::size(kNames) == static_cast<size_t>(TransferFailureKind::Failed) + 1);
    return kNames[static_cast<size_t>(kind)];
}

// Each report of the update as one line: "exercisesAdded 2", "nothingNew
// circuits", "listFailed exercises Status 404", "circuitFailed B.cir Refused
// is a web page", "stepFailed File not found".
class RecordingListener final : public ContentUpdateListener {
public:
    void exercisesAdded(int added, bool libraryFull) override {
        record("exercisesAdded " + std::to_string(added) + (libraryFull ? " full" : ""));
    }
    void nothingNew(ContentList list) override { record("nothingNew " + listname(list)); }
    void listFailed(ContentList list, const TransferFailure& failure) override {
        record("listFailed " + listname(list) + " " + describe(failure));
    }
    void circuitsAdded(int added) override { record("circuitsAdded " + std::to_string(added)); }
    void circuitFailed(const std::string& name, const TransferFailure& failure) override {
        record("circuitFailed " + name + " " + describe(failure));
    }
    void stepFailed(std::exception_ptr error) override {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            record(std::string("stepFailed ") + e.what());
        } catch (...) {
            record("stepFailed");
        }
    }

    // The reports since the last call.
    Reports take() { return std::exchange(m_reports, {}); }

    static std::string describe(const TransferFailure& failure) {
        return failure.detail.empty() ? kindname(failure.kind)
                                      : kindname(failure.kind) + (" " + failure.detail);
    }

private:
    static std::string listname(ContentList list) {
        return list == ContentList::Exercises ? "exercises" : "circuits";
    }
    void record(std::string line) { m_reports.push_back(std::move(line)); }

    Reports m_reports;
};

// A fresh application folder with an empty exercise table, and a
// ContentUpdate that loads the library the way the program does and reports
// to a recorder.
class UpdateFixture {
public:
    UpdateFixture() {
        m_app.makeApplicationFolder();
        exercisetable() = ExerciseTable{};
    }
    virtual ~UpdateFixture() = default;

    const TempFolder& app() const { return m_app; }

    std::unique_ptr<ContentUpdate> makeUpdate(int port) {
        auto update = std::make_unique<ContentUpdate>(
            [] { loadexercises(exercisetable(), exerciselibrarypath()); }, m_listener,
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

    // What the updates reported since the last call.
    Reports reports() { return m_listener.take(); }

    // One library record as the program writes it.
    static std::string record(uint32_t number, const std::string& name, const std::string& extype,
                              const std::string& description, int online = 0) {
        return std::to_string(number) + "\r\n" + name + "\r\n" + extype + "\r\n" + description +
               "\r\n" + std::to_string(online) + "\r\n";
    }

private:
    TempFolder m_app;
    RecordingListener m_listener;
};
