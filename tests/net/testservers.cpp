#include "testservers.h"

#include "testsupport/waituntil.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

HttpTestServer::HttpTestServer() : m_server(std::make_unique<httplib::Server>()) {}

HttpTestServer::~HttpTestServer() {
    m_server->stop();
    if (m_thread.joinable())
        m_thread.join();
}

void HttpTestServer::start() {
    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0)
        throw std::runtime_error("test server cannot bind");
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    if (!waituntil([this] { return m_server->is_running(); }))
        throw std::runtime_error("test server does not start");
}

std::string HttpTestServer::url(const std::string& path) const {
    return "http://127.0.0.1" + path;
}

bool RawConnection::readRequest() {
    char buffer[4096];
    while (m_request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        m_request.append(buffer, static_cast<size_t>(got));
    }
    return true;
}

bool RawConnection::send(const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

void RawConnection::pause(int ms, const std::atomic<bool>& stopping) {
    for (int waited = 0; waited < ms && !stopping; waited += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

RawHttpServer::RawHttpServer(Script script) : m_script(std::move(script)) {
    m_listenFd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (m_listenFd < 0 || ::bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(m_listenFd, 16) != 0 ||
        ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("raw test server cannot listen");
    m_port = ntohs(address.sin_port);
    m_acceptThread = std::thread([this] { acceptLoop(); });
}

RawHttpServer::~RawHttpServer() {
    m_stopping = true;
    m_acceptThread.join();
    for (std::thread& worker : m_workers)
        worker.join();
    ::close(m_listenFd);
}

std::string RawHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1" + path;
}

void RawHttpServer::acceptLoop() {
    while (!m_stopping) {
        pollfd waiting{m_listenFd, POLLIN, 0};
        if (::poll(&waiting, 1, 10) <= 0)
            continue;
        const int fd = ::accept(m_listenFd, nullptr, nullptr);
        if (fd < 0)
            continue;
        ++m_connections;
        m_workers.emplace_back([this, fd] {
            RawConnection connection(fd);
            if (connection.readRequest())
                m_script(connection, m_stopping);
            ::shutdown(fd, SHUT_RDWR);
            ::close(fd);
        });
    }
}

int closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd); // nothing listens there once closed
    return ntohs(address.sin_port);
}

int connectlocal(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const timeval limit{2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string exchange(int port, const std::string& request) {
    const int fd = connectlocal(port);
    if (fd < 0)
        return {};
    std::string answer;
    if (RawConnection(fd).send(request)) {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
            answer.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return answer;
}

std::map<std::string, std::string> folderSnapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string relative = fs::relative(entry.path(), folder).string();
        if (!entry.is_regular_file()) {
            files[relative + "/"] = "";
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[relative] = bytes.str();
    }
    return files;
}
