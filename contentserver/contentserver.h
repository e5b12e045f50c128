#pragma once

#include "contentserver/contentfolder.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// What one connection may take of the server. A client that sends too much,
// too slowly or not at all is cut off; it never holds up anyone else.
struct ContentServerLimits {
    // The request line and every header together must arrive within this
    // time of the connection's start, whatever the pace of their bytes.
    int headTimeoutMs = 10000;
    // A connection on which nothing moves for this long is closed.
    int idleTimeoutS = 10;
    // Connections open at once; more wait in the system's queue.
    int maxConnections = 500;
    // Connections still sending their head; the oldest of them is cut off
    // when another one arrives.
    int maxHeadConnections = 300;
    // Memory of one connection, which the request line and the head must fit
    // in (less a little for the answer's head): beyond it a request line gets
    // "414 URI Too Long", a head "431 Request Header Fields Too Large", at once.
    size_t memoryPerConnection = 8 * 1024;
    // A request target longer than this gets "414 URI Too Long".
    size_t maxTarget = 2048;
};

// Serves a content folder over HTTP at the addresses the program asks for:
//   /kinoradex/newexercises.lst, /kinoradex/newcircuits.lst,
//   /kinoradex/circuits/<name>,
//   /kinoradex/index.php (the encyclopedia's index of the listed exercises) and
//   /kinoradex/index.php?show=<name> (one exercise's page).
// Paths match exactly, after percent-decoding. Every answer carries a length
// header and closes its connection; nothing outside the folder is served.
// A few threads serve the connections, driven by readiness events; a file is
// sent from its descriptor in pieces, so a connection's memory stays small
// whatever the file's size.
class ContentServer final {
public:
    explicit ContentServer(std::filesystem::path folder, ContentServerLimits limits = {});
    ~ContentServer();
    ContentServer(const ContentServer&) = delete;
    ContentServer& operator=(const ContentServer&) = delete;

    // Binds to host and port and starts listening; port 0 takes any free
    // port. Returns the port, or -1 when it cannot be bound. A port left
    // behind by a server that has just ended can be bound again at once.
    int bind(const std::string& host, int port);
    // Serves until stop(); false when not bound or the server cannot start.
    bool listen();
    // True once listen() accepts connections; false when that has not
    // happened within the time given.
    bool waitUntilListening(int timeoutMs = 5000) const;
    // Ends listen() within a tenth of a second, closing every connection.
    // Safe from any thread and from a signal handler.
    void stop() { m_stopping = true; }

    // Called with one line per answered request ("GET /kinoradex/newcircuits.lst 200");
    // bytes of the request that could act on a terminal are written as "\xHH".
    void setlog(std::function<void(const std::string&)> log);

    // The answer to one request.
    struct Answer {
        int status = 200;
        std::string type;
        std::string body;
        std::optional<FolderFile> file; // when set, the body is this file's bytes
    };
    // target: the request target as received, in origin or absolute form
    // ("/kinoradex/index.php?show=Wall%20Sit", "http://host/kinoradex/newcircuits.lst").
    Answer answer(const std::string& method, const std::string& target) const;

    struct Loop; // the event loop's state while listen() runs

private:
    friend struct Loop;

    ContentFolder m_folder;
    ContentServerLimits m_limits;
    int m_listenFd = -1;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_running{false};
    std::function<void(const std::string&)> m_log;
};

// Bytes of a request as a log shows them: printable ASCII stays, anything
// else and "\" become "\xHH" ("/a\x1b[2Jb" -> "/a\x1B[2Jb").
std::string logtext(const std::string& bytes);
