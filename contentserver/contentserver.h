#pragma once

#include "contentfolder.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace httplib {
class Server;
}

// Serves a content folder over HTTP at the addresses the program asks for:
//   /kinoradex/newexercises.lst, /kinoradex/newcircuits.lst,
//   /kinoradex/circuits/<name>,
//   /kinoradex/index.php (the encyclopedia's index of the listed exercises) and
//   /kinoradex/index.php?show=<name> (one exercise's page).
// Every answer carries a length header; nothing outside the folder is served.
class ContentServer final {
public:
    explicit ContentServer(std::filesystem::path folder);
    ~ContentServer();
    ContentServer(const ContentServer&) = delete;
    ContentServer& operator=(const ContentServer&) = delete;

    // Binds to host and port; port 0 takes any free port. Returns the port,
    // or -1 when it cannot be bound.
    int bind(const std::string& host, int port);
    // Serves until stop(); false when not bound.
    bool listen();
    // True once listen() accepts connections; false when that has not
    // happened within the time given.
    bool waitUntilListening(int timeoutMs = 5000) const;
    void stop();

    // Called with one line per answered request ("GET /kinoradex/newcircuits.lst 200").
    void setlog(std::function<void(const std::string&)> log);

private:
    void addroutes();

    ContentFolder m_folder;
    std::unique_ptr<httplib::Server> m_server;
    std::function<void(const std::string&)> m_log;
};
