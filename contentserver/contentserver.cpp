#include "contentserver/contentserver.h"

#include "contentserver/contentpages.h"

#include <microhttpd.h>

#include <fcntl.h>
#include <netdb.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <list>
#include <mutex>
#include <optional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kText = "text/plain";
constexpr const char* kHtml = "text/html";
constexpr int kPollMs = 20;           // how often the loop looks at stop() and the head deadlines
constexpr size_t kLoggedTarget = 300; // bytes of a target a log line shows at most
// Threads that serve the connections, each its own share of them: a small
// request is not held up behind one whose file comes from a slow disk.
constexpr unsigned kThreads = 4;

ContentServer::Answer notfound(const std::string& what) {
    return {404, kHtml, notfoundpage(what), {}};
}

int hexdigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Every "%" starts an escape of two hex digits ("a%20b" yes; "%zz", "%4", "a%" no).
bool wellescaped(std::string_view text) {
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        if (at + 2 >= text.size() || hexdigit(text[at + 1]) < 0 || hexdigit(text[at + 2]) < 0)
            return false;
    }
    return true;
}

// A target in absolute form, as a proxy gets it, without its scheme and host:
// "http://host:8080/kinoradex/a?b=1" -> "/kinoradex/a?b=1", "http://host" -> "/".
// Any other target stays as it is.
std::string originform(std::string_view target) {
    for (const std::string_view scheme : {"http://", "https://"}) {
        if (target.size() < scheme.size() ||
            !std::equal(scheme.begin(), scheme.end(), target.begin(), [](char a, char b) {
                return a == std::tolower(static_cast<unsigned char>(b));
            }))
            continue;
        const size_t pathStart = target.find_first_of("/?", scheme.size());
        if (pathStart == std::string_view::npos)
            return "/";
        return (target[pathStart] == '?' ? "/" : "") + std::string(target.substr(pathStart));
    }
    return std::string(target);
}

// "%HH" becomes its byte, and in a query "+" a blank. None for a broken
// escape or a NUL byte, which no name holds.
std::optional<std::string> percentdecode(std::string_view text, bool query) {
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = hexdigit(text[i + 1]);
            const int low = hexdigit(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            c = static_cast<char>(high * 16 + low);
            i += 2;
        } else if (c == '+' && query) {
            c = ' ';
        }
        if (c == '\0')
            return std::nullopt;
        decoded += c;
    }
    return decoded;
}

// The value of `key` in a query ("show=Wall+Sit&x=1"); none when absent.
std::optional<std::string> queryvalue(std::string_view query, std::string_view key) {
    while (!query.empty()) {
        const size_t end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        const size_t equals = pair.find('=');
        const auto name = percentdecode(pair.substr(0, equals), true);
        if (name && *name == key) {
            if (equals == std::string_view::npos)
                return std::string();
            return percentdecode(pair.substr(equals + 1), true);
        }
        query.remove_prefix(end == std::string_view::npos ? query.size() : end + 1);
    }
    return std::nullopt;
}

} // namespace

std::string logtext(const std::string& bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F && c != '\\') {
            text += c;
        } else {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0x0F];
        }
    }
    return text;
}

ContentServer::ContentServer(std::filesystem::path folder, ContentServerLimits limits)
    : m_folder(std::move(folder)), m_limits(limits) {}

ContentServer::~ContentServer() {
    stop();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

void ContentServer::setlog(std::function<void(const std::string&)> log) {
    m_log = std::move(log);
}

ContentServer::Answer ContentServer::answer(const std::string& method,
                                            const std::string& target) const {
    if (!wellescaped(target))
        return {400, kHtml, notfoundpage("The address is malformed."), {}};
    if (method != "GET" && method != "HEAD")
        return {405, kHtml, notfoundpage("Only GET and HEAD are answered here."), {}};
    const std::string local = originform(target);
    const size_t question = local.find('?');
    const std::optional<std::string> path =
        percentdecode(std::string_view(local).substr(0, question), false);
    const std::string_view query = question == std::string::npos
                                       ? std::string_view()
                                       : std::string_view(local).substr(question + 1);
    if (!path)
        return notfound("Nothing is served there.");

    const auto serveList = [this](const std::string& name) -> Answer {
        if (auto file = m_folder.openlistfile(name))
            return {200, kText, {}, std::move(file)};
        return notfound("There is no " + name + " at the moment.");
    };
    if (*path == "/kinoradex/newexercises.lst")
        return serveList("newexercises.lst");
    if (*path == "/kinoradex/newcircuits.lst")
        return serveList("newcircuits.lst");

    // The name is decoded, so "%2F" in it is a "/" here and refused.
    static const std::string kCircuits = "/kinoradex/circuits/";
    if (path->rfind(kCircuits, 0) == 0) {
        const std::string name = path->substr(kCircuits.size());
        if (auto file = m_folder.opencircuitfile(name))
            return {200, kText, {}, std::move(file)};
        return notfound("There is no circuit " + name + ".");
    }

    if (*path == "/kinoradex/index.php") {
        const std::vector<ListedExercise> exercises =
            parseexerciselist(m_folder.listfile("newexercises.lst").value_or(std::string()));
        const std::optional<std::string> name = queryvalue(query, "show");
        if (!name)
            return {200, kHtml, indexpage(exercises), {}};
        if (const auto page = exercisepage(exercises, *name))
            return {200, kHtml, *page, {}};
        return notfound("Kinoradex has no page for " + *name + ".");
    }
    return notfound("Nothing is served at " + *path + ".");
}

int ContentServer::bind(const std::string& host, int port) {
    if (m_listenFd >= 0 || port < 0 || port > 65535)
        return -1;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return -1;
    int fd = -1;
    for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0)
            continue;
        // A port whose last connections still linger from a server just
        // ended can be taken again at once.
        const int on = 1;
        if (::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
            ::bind(fd, a->ai_addr, a->ai_addrlen) != 0 || ::listen(fd, SOMAXCONN) != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(found);
    if (fd < 0)
        return -1;
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        ::close(fd);
        return -1;
    }
    m_listenFd = fd;
    char service[NI_MAXSERV] = {};
    if (::getnameinfo(reinterpret_cast<sockaddr*>(&bound), length, nullptr, 0, service,
                      sizeof service, NI_NUMERICSERV) != 0)
        return -1;
    return std::atoi(service);
}

bool ContentServer::waitUntilListening(int timeoutMs) const {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!m_running) {
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// One open connection, from its start to its close.
struct ConnectionState {
    MHD_socket fd = MHD_INVALID_SOCKET;
    Clock::time_point start;
    bool headDone = false; // the request line and every header have arrived
    bool cut = false;      // shut down by the loop; the library closes it next
    std::string target;    // the request target as received; its own thread's only
};

struct ContentServer::Loop {
    explicit Loop(ContentServer& owner) : server(owner) {}

    ContentServer& server;
    // The serving threads and the deadline check share the connections.
    std::mutex mutex;
    std::list<ConnectionState> connections;
    int inHead = 0;     // connections still sending their head
    std::mutex logging; // one log line at a time

    // Called with the mutex held.
    void cut(ConnectionState& state) {
        if (state.cut)
            return;
        state.cut = true;
        // The socket stays open until the library closes it, which it does
        // only after telling onConnection, so it cannot be another
        // connection's yet; it now reads as closed by the client.
        ::shutdown(state.fd, SHUT_RDWR);
    }

    void headArrived(ConnectionState& state) {
        const std::lock_guard lock(mutex);
        if (!state.headDone) {
            state.headDone = true;
            --inHead;
        }
    }

    // Cuts every connection whose head is overdue.
    void enforceDeadlines() {
        const std::lock_guard lock(mutex);
        const auto now = Clock::now();
        const auto limit = std::chrono::milliseconds(server.m_limits.headTimeoutMs);
        for (ConnectionState& state : connections) {
            if (!state.headDone && now - state.start >= limit)
                cut(state);
        }
    }

    static void onConnection(void* cls, MHD_Connection* connection, void** context,
                             MHD_ConnectionNotificationCode code) {
        auto* loop = static_cast<Loop*>(cls);
        const std::lock_guard lock(loop->mutex);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            const MHD_ConnectionInfo* info =
                MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
            ConnectionState started;
            started.fd = info ? info->connect_fd : MHD_INVALID_SOCKET;
            started.start = Clock::now();
            loop->connections.push_back(std::move(started));
            auto state = std::prev(loop->connections.end());
            *context = &*state;
            ++loop->inHead;
            // Too many heads under way: the oldest, most likely a slow
            // client holding a place, makes room.
            if (loop->inHead > loop->server.m_limits.maxHeadConnections) {
                for (ConnectionState& other : loop->connections) {
                    if (!other.headDone && !other.cut) {
                        loop->cut(other);
                        break;
                    }
                }
            }
            if (state->fd == MHD_INVALID_SOCKET)
                state->cut = true;
            return;
        }
        auto* state = static_cast<ConnectionState*>(*context);
        if (!state)
            return;
        if (!state->headDone)
            --loop->inHead;
        loop->connections.remove_if([state](const ConnectionState& s) { return &s == state; });
        *context = nullptr;
    }

    static ConnectionState* stateOf(MHD_Connection* connection) {
        const MHD_ConnectionInfo* info =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
        return info ? static_cast<ConnectionState*>(info->socket_context) : nullptr;
    }

    // Called as soon as the request line is in: the target as received.
    static void* onRequestLine(void*, const char* uri, MHD_Connection* connection) {
        if (ConnectionState* state = stateOf(connection))
            state->target = uri ? uri : "";
        return nullptr;
    }

    static MHD_Result countHost(void* cls, MHD_ValueKind, const char* key, const char*) {
        if (key && ::strcasecmp(key, MHD_HTTP_HEADER_HOST) == 0)
            ++*static_cast<int*>(cls);
        return MHD_YES;
    }

    // A request from HTTP/1.1 on must name its host, and no request may name
    // two: a proxy in front could read it as meant for another site.
    static bool hostFits(MHD_Connection* connection, const char* version) {
        int hosts = 0;
        MHD_get_connection_values(connection, MHD_HEADER_KIND, &countHost, &hosts);
        const bool needed = !version || std::string_view(version) != MHD_HTTP_VERSION_1_0;
        return hosts == 1 || (hosts == 0 && !needed);
    }

    static MHD_Result onRequest(void* cls, MHD_Connection* connection, const char*,
                                const char* method, const char* version, const char*, size_t*,
                                void**) {
        auto* loop = static_cast<Loop*>(cls);
        ConnectionState* state = stateOf(connection);
        if (state)
            loop->headArrived(*state);
        const std::string target = state ? state->target : std::string();
        Answer answer = target.size() > loop->server.m_limits.maxTarget
                            ? Answer{414, kHtml, notfoundpage("The address is too long."), {}}
                        : !hostFits(connection, version)
                            ? Answer{400, kHtml, notfoundpage("The request must name its host once."), {}}
                            : loop->server.answer(method ? method : "", target);
        MHD_Response* response =
            answer.file
                ? MHD_create_response_from_fd64(answer.file->size(), answer.file->descriptor())
                : MHD_create_response_from_buffer(answer.body.size(),
                                                  const_cast<char*>(answer.body.data()),
                                                  MHD_RESPMEM_MUST_COPY);
        if (!response)
            return MHD_NO;
        if (answer.file)
            answer.file->release(); // the response closes it
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.type.c_str());
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
        const MHD_Result queued =
            MHD_queue_response(connection, static_cast<unsigned>(answer.status), response);
        MHD_destroy_response(response);
        if (loop->server.m_log) {
            std::string shown = logtext(target.substr(0, kLoggedTarget));
            if (target.size() > kLoggedTarget)
                shown += "...";
            const std::lock_guard lock(loop->logging);
            loop->server.m_log(logtext(method ? method : "") + " " + shown + " " +
                               std::to_string(answer.status));
        }
        return queued;
    }
};

bool ContentServer::listen() {
    if (m_listenFd < 0)
        return false;
    Loop loop(*this);
    // Each thread takes its share of the connection limit, so it needs one at least.
    const auto threads = std::min(kThreads, static_cast<unsigned>(m_limits.maxConnections));
    MHD_Daemon* daemon = MHD_start_daemon(
        MHD_USE_EPOLL_INTERNAL_THREAD, 0, nullptr, nullptr, &Loop::onRequest, &loop,
        MHD_OPTION_LISTEN_SOCKET, static_cast<MHD_socket>(m_listenFd), MHD_OPTION_THREAD_POOL_SIZE,
        threads, MHD_OPTION_CONNECTION_LIMIT, static_cast<unsigned int>(m_limits.maxConnections),
        MHD_OPTION_CONNECTION_TIMEOUT, static_cast<unsigned int>(m_limits.idleTimeoutS),
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, static_cast<size_t>(m_limits.memoryPerConnection),
        MHD_OPTION_NOTIFY_CONNECTION, &Loop::onConnection, &loop, MHD_OPTION_URI_LOG_CALLBACK,
        &Loop::onRequestLine, &loop, MHD_OPTION_END);
    if (!daemon)
        return false;
    m_listenFd = -1; // the library closes it when it stops
    m_running = true;
    while (!m_stopping) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
        loop.enforceDeadlines();
    }
    MHD_stop_daemon(daemon);
    m_running = false;
    return true;
}
