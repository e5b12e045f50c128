// The content server's own executable under load, and nginx serving the same
// folder when it is installed: memory while 50 slow clients read a 16 MiB
// file, the wait of a small request beside 20 downloads of that file, and
// small requests per second with 200 clients at once.
#include "testsupport/tempfolder.h"

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kLargeSize = 16 * 1024 * 1024;
const std::string kLargePath = "/kinoradex/circuits/Large.cir";
const std::string kSmallPath = "/kinoradex/newcircuits.lst";

enum class Front { ContentServer, Nginx };

std::string findNginx() {
    for (const char* candidate : {"/usr/sbin/nginx", "/usr/local/sbin/nginx", "/usr/bin/nginx"}) {
        if (::access(candidate, X_OK) == 0)
            return candidate;
    }
    return {};
}

// nginx serving the content folder as the sample configuration does, with
// as many workers as there are cores.
constexpr const char* kNginxConfig = R"(daemon off;
user USER;
worker_processes auto;
pid WORK/nginx.pid;
error_log WORK/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  sendfile on;
  client_body_temp_path WORK/body;
  proxy_temp_path WORK/proxy;
  fastcgi_temp_path WORK/fastcgi;
  uwsgi_temp_path WORK/uwsgi;
  scgi_temp_path WORK/scgi;
  server {
    listen 127.0.0.1:PORT;
    location /kinoradex/ { alias CONTENT/; }
  }
}
)";

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}

int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

// A blocking connection that gives up on a send or receive after 5 s.
int connectTo(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const timeval limit{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    const sockaddr_in address = loopback(port);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Sends a GET for path and reads the answer's head; true for a "200".
bool requestHead(int fd, const std::string& path) {
    const std::string request = "GET " + path + " HTTP/1.0\r\n\r\n";
    if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size()))
        return false;
    std::string head;
    char byte = 0;
    while (head.find("\r\n\r\n") == std::string::npos && ::recv(fd, &byte, 1, 0) == 1)
        head += byte;
    return head.size() > 12 && head.compare(8, 4, " 200") == 0;
}

int64_t drain(int fd) {
    static thread_local char buffer[64 * 1024];
    int64_t total = 0;
    ssize_t got = 0;
    while ((got = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        total += got;
    return total;
}

long residentKbOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

// A folder with a small list and a 16 MiB circuit file, served on a free
// loopback port until destroyed.
class Served final {
public:
    explicit Served(Front front) : m_port(freePort()) {
        m_content.writeFile("newcircuits.lst", "Core.cir\r\n");
        m_content.writeFile("circuits/Large.cir", std::string(kLargeSize, 'x'));
        std::vector<std::string> arguments;
        if (front == Front::ContentServer) {
            arguments = {STRIDEWELL_CONTENTSERVER, m_content.path(), std::to_string(m_port)};
        } else {
            const std::string nginx = findNginx();
            if (nginx.empty())
                return;
            const std::string work = m_work.path();
            // Workers started by root would otherwise run as nobody, who may
            // not read the temporary folders.
            const passwd* user = ::getpwuid(::geteuid());
            std::string config = kNginxConfig;
            replaceAll(config, "USER", user ? user->pw_name : "nobody");
            replaceAll(config, "WORK/", work);
            replaceAll(config, "PORT", std::to_string(m_port));
            replaceAll(config, "CONTENT/", m_content.path());
            m_work.writeFile("nginx.conf", config);
            arguments = {nginx, "-p", work, "-e", work + "error.log", "-c", work + "nginx.conf"};
        }
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        if (::posix_spawn(&m_pid, argv[0], &files, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&files);
        for (int waited = 0; m_pid > 0 && waited < 5000 && !m_ready; waited += 10) {
            const int fd = connectTo(m_port);
            m_ready = fd >= 0;
            if (fd >= 0)
                ::close(fd);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~Served() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool ready() const { return m_ready; }
    int port() const { return m_port; }

    // Of the server and its child processes (nginx's workers).
    long residentKb() const {
        long total = residentKbOf(m_pid);
        std::ifstream children("/proc/" + std::to_string(m_pid) + "/task/" + std::to_string(m_pid) +
                               "/children");
        pid_t child = 0;
        while (children >> child)
            total += residentKbOf(child);
        return total;
    }

private:
    TempFolder m_content;
    TempFolder m_work;
    int m_port;
    pid_t m_pid = -1;
    bool m_ready = false;
};

// Each of 50 clients reads 16 KiB of the large file every tenth of a second
// for two seconds; the counter is the server's largest growth meanwhile.
void BM_SlowReadersOfALargeFile(benchmark::State& state, Front front) {
    Served served(front);
    if (!served.ready()) {
        state.SkipWithError("server not available");
        return;
    }
    for (auto _ : state) {
        const long idleKb = served.residentKb();
        std::vector<int> readers;
        for (int i = 0; i < 50; ++i) {
            const int fd = connectTo(served.port());
            if (fd < 0 || !requestHead(fd, kLargePath))
                state.SkipWithError("a slow reader was not answered");
            if (fd >= 0)
                readers.push_back(fd);
        }
        long peakKb = idleKb;
        static char buffer[16 * 1024];
        for (int round = 0; round < 20; ++round) {
            for (const int fd : readers)
                ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
            peakKb = std::max(peakKb, served.residentKb());
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        for (const int fd : readers)
            ::close(fd);
        state.counters["growth_MB"] = static_cast<double>(peakKb - idleKb) / 1024.0;
        state.counters["idle_MB"] = static_cast<double>(idleKb) / 1024.0;
    }
}

// Each iteration is one small request while 20 clients download the large
// file over and over as fast as they can.
void BM_SmallRequestBesideDownloads(benchmark::State& state, Front front) {
    Served served(front);
    if (!served.ready()) {
        state.SkipWithError("server not available");
        return;
    }
    std::atomic<bool> downloading{true};
    std::atomic<int> started{0};
    std::atomic<int64_t> downloaded{0};
    std::vector<std::thread> downloads;
    for (int i = 0; i < 20; ++i) {
        downloads.emplace_back([&] {
            for (bool first = true; downloading; first = false) {
                const int fd = connectTo(served.port());
                if (fd >= 0 && requestHead(fd, kLargePath)) {
                    started += first ? 1 : 0;
                    downloaded += drain(fd);
                }
                if (fd >= 0)
                    ::close(fd);
            }
        });
    }
    for (int waited = 0; started < 20 && waited < 5000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (started < 20)
        state.SkipWithError("the downloads did not start");
    double worstMs = 0;
    const auto begin = Clock::now();
    for (auto _ : state) {
        const auto start = Clock::now();
        const int fd = connectTo(served.port());
        const bool answered = fd >= 0 && requestHead(fd, kSmallPath) && drain(fd) > 0;
        const std::chrono::duration<double> took = Clock::now() - start;
        if (fd >= 0)
            ::close(fd);
        if (!answered)
            state.SkipWithError("the small request was not answered");
        state.SetIterationTime(took.count());
        worstMs = std::max(worstMs, took.count() * 1000);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const std::chrono::duration<double> elapsed = Clock::now() - begin;
    downloading = false;
    for (std::thread& download : downloads)
        download.join();
    state.counters["worst_ms"] = worstMs;
    state.counters["downloads_MB_per_s"] =
        static_cast<double>(downloaded) / (1024.0 * 1024.0) / elapsed.count();
}

// 200 clients at once, each asking for the small list on a new connection
// as soon as its last answer is complete, for two seconds.
void BM_SmallRequestsPerSecond(benchmark::State& state, Front front) {
    Served served(front);
    if (!served.ready()) {
        state.SkipWithError("server not available");
        return;
    }
    const std::string request = "GET " + kSmallPath + " HTTP/1.0\r\n\r\n";
    struct Client {
        int fd = -1;
        bool sent = false;
        std::string answer;
    };
    const sockaddr_in address = loopback(served.port());
    const auto open = [&](Client& client) {
        client = Client{};
        client.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        ::connect(client.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    };
    for (auto _ : state) {
        std::vector<Client> clients(200);
        std::vector<pollfd> waits(clients.size());
        for (Client& client : clients)
            open(client);
        int64_t answered = 0;
        int64_t failed = 0;
        const auto start = Clock::now();
        const auto end = start + std::chrono::seconds(2);
        while (Clock::now() < end) {
            for (size_t i = 0; i < clients.size(); ++i)
                waits[i] = {clients[i].fd, static_cast<short>(clients[i].sent ? POLLIN : POLLOUT),
                            0};
            ::poll(waits.data(), waits.size(), 100);
            for (size_t i = 0; i < clients.size(); ++i) {
                Client& client = clients[i];
                if (waits[i].revents == 0)
                    continue;
                if (!client.sent) {
                    client.sent = ::send(client.fd, request.data(), request.size(), MSG_NOSIGNAL) ==
                                  static_cast<ssize_t>(request.size());
                    if (client.sent)
                        continue;
                    ++failed;
                } else {
                    char buffer[4096];
                    const ssize_t got = ::recv(client.fd, buffer, sizeof buffer, 0);
                    if (got > 0) {
                        client.answer.append(buffer, static_cast<size_t>(got));
                        continue;
                    }
                    if (got < 0 && errno == EAGAIN)
                        continue;
                    const bool ok = got == 0 && client.answer.size() > 12 &&
                                    client.answer.compare(8, 4, " 200") == 0 &&
                                    client.answer.find("\r\n\r\nCore.cir\r\n") != std::string::npos;
                    ++(ok ? answered : failed);
                }
                ::close(client.fd);
                open(client);
            }
        }
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        for (const Client& client : clients)
            ::close(client.fd);
        state.counters["requests_per_s"] = static_cast<double>(answered) / elapsed.count();
        state.counters["failed"] = static_cast<double>(failed);
    }
}

BENCHMARK_CAPTURE(BM_SlowReadersOfALargeFile, contentserver, Front::ContentServer)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SlowReadersOfALargeFile, nginx, Front::Nginx)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SmallRequestBesideDownloads, contentserver, Front::ContentServer)
    ->Iterations(50)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SmallRequestBesideDownloads, nginx, Front::Nginx)
    ->Iterations(50)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SmallRequestsPerSecond, contentserver, Front::ContentServer)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SmallRequestsPerSecond, nginx, Front::Nginx)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
