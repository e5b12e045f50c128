#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

// Runs the event loop until `done` holds or the time is up; true when done.
bool spinUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// A cpp-httplib server on 127.0.0.1 with a free port, serving in its own
// thread from start() until destroyed. Add handlers before start().
class HttpTestServer final {
public:
    HttpTestServer();
    ~HttpTestServer();
    httplib::Server& server() { return *m_server; }
    void start();
    int port() const { return m_port; }
    std::string url(const std::string& path) const;

private:
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = -1;
};

// One accepted connection of a RawHttpServer: the request head as received,
// and the bytes the script sends back, exactly as given.
class RawConnection final {
public:
    explicit RawConnection(int fd) : m_fd(fd) {}
    const std::string& request() const { return m_request; }
    bool readRequest();
    bool send(const std::string& bytes);
    // Sleeps in small steps; returns early when the server is stopping.
    void pause(int ms, const std::atomic<bool>& stopping);

private:
    int m_fd;
    std::string m_request;
};

// A bare TCP server on 127.0.0.1 for responses no real server would give
// (bad length headers, missing lengths, stalls, garbage). Each connection
// runs `script` on its own thread and is closed when the script returns.
class RawHttpServer final {
public:
    using Script = std::function<void(RawConnection&, const std::atomic<bool>& stopping)>;
    explicit RawHttpServer(Script script);
    ~RawHttpServer();
    int port() const { return m_port; }
    std::string url(const std::string& path) const;
    int connections() const { return m_connections; }

private:
    void acceptLoop();

    Script m_script;
    int m_listenFd = -1;
    int m_port = -1;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connections{0};
    std::thread m_acceptThread;
    std::vector<std::thread> m_workers;
};

// A port on 127.0.0.1 where nothing listens.
int closedPort();

// Sends the bytes to 127.0.0.1:port as they are; everything the server sends
// back until it closes, or until two seconds pass without a byte.
std::string exchange(int port, const std::string& request);

// A connected socket to 127.0.0.1:port that gives up on a send or receive
// after two seconds; -1 when nobody answers.
int connectlocal(int port);

// Every file below the folder, relative path -> bytes.
std::map<std::string, std::string> folderSnapshot(const std::string& folder);
