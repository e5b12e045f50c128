// The content server as it runs in public, against clients that drip, never
// stop sending or come all at once. Bounded: a few hundred connections on the
// loopback interface, and it ends by itself.
#include "testservers.h"
#include "testsupport/tempfolder.h"
#include "testsupport/waituntil.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// The sanitizer holds freed memory back: a process's growth under it says
// little about the process.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

using Clock = std::chrono::steady_clock;

long long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

bool sendAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

// Everything until the server closes (or two seconds of silence).
std::string receiveAll(int fd) {
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return bytes;
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

// The answer's head, up to and including its empty line.
std::string receiveHead(int fd) {
    std::string head;
    char byte = 0;
    while (head.find("\r\n\r\n") == std::string::npos && ::recv(fd, &byte, 1, 0) == 1)
        head += byte;
    return head;
}

// The status code of an answer ("HTTP/1.1 404 Not Found" -> 404); 0 for none.
int status(const std::string& answer) {
    if (answer.rfind("HTTP/1.", 0) != 0 || answer.size() < 12)
        return 0;
    return std::atoi(answer.substr(9, 3).c_str());
}

// One request the way the program sends it; the whole answer.
std::string fetch(int port, const std::string& path) {
    const int fd = connectlocal(port);
    if (fd < 0)
        return {};
    sendAll(fd, "GET " + path + " HTTP/1.0\r\nUser-Agent: Corvane HTTPGet\r\nAccept: */*\r\n\r\n");
    std::string answer = receiveAll(fd);
    ::close(fd);
    return answer;
}

// The server's own executable, running until stopped.
class ServerProcess final {
public:
    ServerProcess(const std::string& folder, int port, const std::string& logFile) {
        const std::vector<std::string> arguments{
            STRIDEWELL_CONTENTSERVER, "--head-timeout", "2", folder,
            std::to_string(port),     "127.0.0.1"};
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> environment;
        for (char** variable = environ; *variable; ++variable)
            environment.push_back(*variable);
#ifdef __SANITIZE_ADDRESS__
        // The sanitizer's quarantine keeps freed memory resident; without it the
        // figure is the server's own.
        static char noQuarantine[] =
            "ASAN_OPTIONS=quarantine_size_mb=0:thread_local_quarantine_size_kb=0";
        environment.push_back(noQuarantine);
#endif
        environment.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, logFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&m_pid, argv[0], &files, nullptr, argv.data(), environment.data()) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&files);
        m_listening = m_pid > 0 && waituntil([port] {
                          const int fd = connectlocal(port);
                          if (fd >= 0)
                              ::close(fd);
                          return fd >= 0;
                      });
    }
    ~ServerProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool listening() const {
        return m_listening;
    }

    // Resident memory in kB.
    long residentKb() const {
        std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmRSS:", 0) == 0)
                return std::stol(line.substr(6));
        }
        return -1;
    }

    // Connections the process has not closed yet: its sockets, less the one
    // it listens on.
    long connections() const {
        long sockets = 0;
        std::error_code error;
        for (const auto& entry :
             std::filesystem::directory_iterator("/proc/" + std::to_string(m_pid) + "/fd", error)) {
            if (std::filesystem::read_symlink(entry, error).string().starts_with("socket:"))
                ++sockets;
        }
        return sockets - 1;
    }

    // SIGTERM; the time until the process has ended, or -1 after 5 s.
    long long terminate() {
        const auto start = Clock::now();
        ::kill(m_pid, SIGTERM);
        if (!waituntil([this] { return ::waitpid(m_pid, nullptr, WNOHANG) == m_pid; },
                       std::chrono::seconds(5)))
            return -1;
        m_pid = -1;
        return msSince(start);
    }

private:
    pid_t m_pid = -1;
    bool m_listening = false;
};

TEST(ContentServerLoad, slowEndlessAndManyClients_neitherStarveOthersNorGrowIt) {
    TempFolder content;
    content.writeFile("newcircuits.lst", "Core.cir\r\n");
    content.writeFile("circuits/Core.cir", "Core\r\nAbdominal\r\n30\r\n10\r\nPlank\r\n");
    TempFolder logs;
    const std::string logFile = logs.path() + "server.log";
    const int port = closedPort();
    auto server = std::make_unique<ServerProcess>(content.path(), port, logFile);
    ASSERT_TRUE(server->listening());
    const long idleKb = server->residentKb();

    // 100 clients that send a request line and then one header line every
    // 200 ms, forever; the server has two seconds for a whole head.
    std::vector<int> slow;
    for (int i = 0; i < 100; ++i) {
        const int fd = connectlocal(port);
        ASSERT_GE(fd, 0);
        sendAll(fd, "GET /kinoradex/newcircuits.lst HTTP/1.0\r\n");
        slow.push_back(fd);
    }
    std::atomic<bool> dripping{true};
    std::thread drip([&] {
        while (dripping) {
            for (const int fd : slow)
                ::send(fd, "X-Drip: 1\r\n", 11, MSG_NOSIGNAL | MSG_DONTWAIT);
            std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the clients' pace
        }
    });
    // The server holds all of them before the well-behaved client comes.
    EXPECT_TRUE(waituntil([&] { return server->connections() >= 100; }));
    auto start = Clock::now();
    const std::string answer = fetch(port, "/kinoradex/newcircuits.lst");
    const long long wellBehavedMs = msSince(start);
    EXPECT_EQ(status(answer), 200);
    EXPECT_LT(wellBehavedMs, 1000);

    // 200 ordinary clients at once: every one is answered.
    start = Clock::now();
    std::vector<int> crowd;
    for (int i = 0; i < 200; ++i) {
        const int fd = connectlocal(port);
        if (fd >= 0 && sendAll(fd, "GET /kinoradex/circuits/Core.cir HTTP/1.0\r\n\r\n"))
            crowd.push_back(fd);
    }
    int answered = 0;
    for (const int fd : crowd) {
        const std::string reply = receiveAll(fd);
        answered += status(reply) == 200 && reply.find("\r\n\r\nCore\r\n") != std::string::npos;
        ::close(fd);
    }
    const long long crowdMs = msSince(start);
    EXPECT_EQ(answered, 200);

    // The slow ones are cut off once their two seconds are up, while they
    // still drip.
    const auto cutWait = Clock::now();
    int cutOff = 0;
    for (const int fd : slow) {
        pollfd closed{fd, POLLIN, 0};
        const int left = static_cast<int>(std::max(0LL, 10000 - msSince(cutWait)));
        char byte = 0;
        cutOff += ::poll(&closed, 1, left) == 1 && ::recv(fd, &byte, 1, MSG_DONTWAIT) <= 0;
    }
    dripping = false;
    drip.join();
    for (const int fd : slow)
        ::close(fd);
    EXPECT_EQ(cutOff, 100);

    // A request line or a head too long is answered at once.
    start = Clock::now();
    EXPECT_EQ(status(fetch(port, "/" + std::string(64 * 1024, 'a'))), 414);
    const int big = connectlocal(port);
    sendAll(big, "GET /kinoradex/newcircuits.lst HTTP/1.0\r\nX-Big: " +
                     std::string(64 * 1024, 'b') + "\r\n\r\n");
    EXPECT_EQ(status(receiveAll(big)), 431);
    ::close(big);
    const long long tooLongMs = msSince(start);
    EXPECT_LT(tooLongMs, 1000);

    // 100 MB of header lines without end, on as many connections as it takes
    // (the quicker the server refuses them, the fewer bytes each one gets in).
    const std::string lines = [] {
        std::string block;
        while (block.size() < 64 * 1024)
            block += "X-Endless: 0123456789012345678901234567890123456789\r\n";
        return block;
    }();
    long long offered = 0;
    int connections = 0;
    while (offered < 100LL * 1024 * 1024 && connections < 1000) {
        const int fd = connectlocal(port);
        ASSERT_GE(fd, 0);
        ++connections;
        sendAll(fd, "GET /kinoradex/newcircuits.lst HTTP/1.0\r\n");
        while (offered < 100LL * 1024 * 1024 && sendAll(fd, lines))
            offered += static_cast<long long>(lines.size());
        ::close(fd);
    }
    // Measured once the server has closed every one of those connections.
    EXPECT_TRUE(waituntil([&] { return server->connections() == 0; }));
    const long grownKb = server->residentKb() - idleKb;
    if (!kAddressSanitizer) {
        EXPECT_LT(grownKb, 8 * 1024);
    }
    EXPECT_GE(offered, 100LL * 1024 * 1024);

    // Log lines carry no terminal escapes.
    fetch(port, "/kinoradex/\x1b]0;owned\x07\x1b[2J");
    const auto logText = [&logFile] {
        std::ifstream in(logFile);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    EXPECT_TRUE(waituntil(
        [&] { return logText().find("GET /kinoradex/\\x1B]0;owned") != std::string::npos; }));

    // It ends promptly on SIGTERM, even with slow clients connected...
    std::vector<int> lingering;
    for (int i = 0; i < 20; ++i) {
        const int fd = connectlocal(port);
        sendAll(fd, "GET / HTTP/1.0\r\n");
        lingering.push_back(fd);
    }
    const long long exitMs = server->terminate();
    EXPECT_GE(exitMs, 0);
    EXPECT_LT(exitMs, 2000);
    for (const int fd : lingering)
        ::close(fd);
    const std::string log = logText();
    EXPECT_EQ(log.find('\x1b'), std::string::npos);
    EXPECT_NE(log.find("GET /kinoradex/\\x1B]0;owned\\x07\\x1B[2J 404"), std::string::npos);

    // ... and takes its port again at once.
    server = std::make_unique<ServerProcess>(content.path(), port, logFile);
    EXPECT_TRUE(server->listening());

    std::cout << "[ figures  ] well-behaved client answered in " << wellBehavedMs
              << " ms beside 100 slow clients; 200 clients at once all answered in " << crowdMs
              << " ms; 64 KB request line and head refused in " << tooLongMs << " ms; "
              << offered / (1024 * 1024) << " MB of endless headers on " << connections
              << " connections grew resident memory by " << grownKb << " kB (idle " << idleKb
              << " kB); exit after SIGTERM in " << exitMs << " ms\n";
}

// 50 clients that take a 16 MiB file and then read nothing more: the server
// sends files from their descriptors, so it grows by far less than one copy,
// answers a small request at once beside them and still sends the whole file
// to a client that reads it all.
TEST(ContentServerLoad, slowReadersOfALargeFile_neitherGrowItNorHoldUpSmallRequests) {
    TempFolder content;
    content.writeFile("newcircuits.lst", "Large.cir\r\n");
    std::string large(16 * 1024 * 1024, '\0');
    for (size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>('a' + i % 251 % 26);
    content.writeFile("circuits/Large.cir", large);
    TempFolder logs;
    const int port = closedPort();
    ServerProcess server(content.path(), port, logs.path() + "server.log");
    ASSERT_TRUE(server.listening());
    const long idleKb = server.residentKb();

    std::vector<int> readers;
    for (int i = 0; i < 50; ++i) {
        const int fd = connectlocal(port);
        ASSERT_GE(fd, 0);
        sendAll(fd, "GET /kinoradex/circuits/Large.cir HTTP/1.0\r\n\r\n");
        readers.push_back(fd);
    }
    // Once its head has arrived, each answer is under way.
    int answered = 0;
    for (const int fd : readers)
        answered += status(receiveHead(fd)) == 200;
    EXPECT_EQ(answered, 50);
    const long grownKb = server.residentKb() - idleKb;

    const auto start = Clock::now();
    const std::string small = fetch(port, "/kinoradex/newcircuits.lst");
    const long long smallMs = msSince(start);
    EXPECT_EQ(status(small), 200);
    EXPECT_LT(smallMs, 1000);

    const std::string whole = fetch(port, "/kinoradex/circuits/Large.cir");
    EXPECT_EQ(status(whole), 200);
    const size_t headEnd = whole.find("\r\n\r\n");
    EXPECT_TRUE(headEnd != std::string::npos &&
                whole.compare(headEnd + 4, std::string::npos, large) == 0);
    for (const int fd : readers)
        ::close(fd);
    if (!kAddressSanitizer) {
        EXPECT_LT(grownKb, 16 * 1024);
    }
    std::cout << "[ figures  ] 50 readers of a 16 MiB file grew resident memory by " << grownKb
              << " kB (idle " << idleKb << " kB); a small request beside them took " << smallMs
              << " ms\n";
}

} // namespace
