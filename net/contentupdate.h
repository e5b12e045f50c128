#pragma once

#include "data/contentaddress.h"
#include "data/exercises.h"
#include "net/contentupdatelistener.h"
#include "net/httpget.h"
#include "net/stack.h"

#include <cstdint>
#include <functional>
#include <string>

class QObject;

// Where the content server is reached; the program's own by default.
struct ContentServerAddress {
    std::string host = contenthost();
    int port = contentport();
};

// The launcher's two update links and the handlers of its three download
// components: new exercises are merged into the library, missing circuit files
// are fetched one after another into the Circuits folder. What each check
// comes to goes to the listener; nothing here is worded or shown.
class ContentUpdate final {
public:
    // loadlibrary reads the library file into the exercise table (through
    // whoever shows the table, so its list follows). The listener must outlive
    // the update.
    ContentUpdate(std::function<void()> loadlibrary, ContentUpdateListener& listener,
                  ContentServerAddress server = {}, ExerciseTable& table = exercisetable());
    ContentUpdate(const ContentUpdate&) = delete;
    ContentUpdate& operator=(const ContentUpdate&) = delete;

    void lbl_checkexercisesClick();
    void HTTPGetDoneFile(QObject* Sender, const std::string& FileName, int32_t FileSize);
    void HTTPGetError(QObject* Sender);

    void lbl_checkcicruitsClick();
    void CircuitgetDoneFile(QObject* Sender, const std::string& FileName, int32_t FileSize);
    void CircuitgetError(QObject* Sender);
    void CircuitDownloaderDoneFile(QObject* Sender, const std::string& FileName, int32_t FileSize);
    void CircuitDownloaderError(QObject* Sender);

    THTTPGet HTTPGet;
    THTTPGet Circuitget;
    THTTPGet CircuitDownloader;

    TStack circuitstack;       // names still to be looked at, kept between checks
    uint8_t circuitsadded = 0; // circuit downloads started since the last check

private:
    std::string address(const std::string& path) const;
    void mergeexercises(const std::string& listPath);
    void startnextcircuit();
    void listFailed(ContentList list, const TransferFailure& failure);
    template <class Body> void reporting(Body&& body) noexcept;

    std::function<void()> m_loadlibrary;
    ContentUpdateListener& m_listener;
    ContentServerAddress m_server;
    ExerciseTable& m_table;
    std::string m_fetchingCircuit; // for the report when its download fails
};
