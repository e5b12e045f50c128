// The download transport on libcurl, built as a module of its own.
#include "net/httptransport.h"

#include <curl/curl.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <type_traits>

namespace {

constexpr int kPollMs = 20; // how often a waiting transfer looks at its stop request

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using Multi = std::unique_ptr<CURLM, MultiDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;
struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using Url = std::unique_ptr<CURLU, UrlDeleter>;
using Clock = std::chrono::steady_clock;

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What libcurl's callbacks reach: the sink, and the byte count of the current
// speed window.
struct Receiver {
    HttpTransferSink& sink;
    CURL* easy;
    int64_t windowBytes = 0; // bytes of any kind in the current speed window
};

// No exception may leave these: libcurl is C. A short count makes libcurl end
// the transfer with an error.
size_t onHead(char* bytes, size_t size, size_t count, void* target) noexcept {
    auto* receiver = static_cast<Receiver*>(target);
    const size_t length = size * count;
    receiver->windowBytes += static_cast<int64_t>(length);
    try {
        return receiver->sink.headLine(std::string_view(bytes, length)) ? length : 0;
    } catch (...) {
        return 0;
    }
}

size_t onBody(char* bytes, size_t size, size_t count, void* target) noexcept {
    auto* receiver = static_cast<Receiver*>(target);
    const size_t length = size * count;
    receiver->windowBytes += static_cast<int64_t>(length);
    try {
        long status = 0;
        curl_easy_getinfo(receiver->easy, CURLINFO_RESPONSE_CODE, &status);
        // The page a server sends with a redirect (nginx and Apache do) is
        // nobody's business: the redirect is followed. libcurl gives the
        // redirect's address only once the transfer has ended, so its
        // Location header tells here.
        curl_header* location = nullptr;
        if (status >= 300 && status < 400 &&
            curl_easy_header(receiver->easy, "Location", 0, CURLH_HEADER, -1, &location) ==
                CURLHE_OK)
            return length;
        return receiver->sink.bodyBytes(status, bytes, length) ? length : 0;
    } catch (...) {
        return 0;
    }
}

// Not inherited by a program started meanwhile (the browser).
curl_socket_t openSocket(void*, curlsocktype, curl_sockaddr* address) noexcept {
    const int fd = ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    return fd < 0 ? CURL_SOCKET_BAD : fd;
}

// What keeps a transfer to plain HTTP, off inherited sockets, and keeps a
// stalled name lookup from holding up a cancel, a timeout or the program's
// end (libcurl then leaves the lookup's thread behind instead of joining it).
// A libcurl that cannot set one of these is not used.
bool setSafety(CURL* e) {
    return curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http") == CURLE_OK &&
           curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http") == CURLE_OK &&
           curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L) == CURLE_OK &&
           curl_easy_setopt(e, CURLOPT_QUICK_EXIT, 1L) == CURLE_OK &&
           curl_easy_setopt(e, CURLOPT_OPENSOCKETFUNCTION, &openSocket) == CURLE_OK &&
           curl_easy_setopt(e, CURLOPT_DISALLOW_USERNAME_IN_URL, 1L) == CURLE_OK &&
           curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
}

void setRequest(CURL* e, const THTTPRequest& request, const std::string& address,
                long timeLeftMs, bool post) {
    const THTTPLimits& limits = request.Limits;
    curl_easy_setopt(e, CURLOPT_URL, address.c_str());
    curl_easy_setopt(e, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(e, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.ConnectTimeoutMs));
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, std::max(1L, timeLeftMs));
    curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.MaxSize));
    curl_easy_setopt(e, CURLOPT_BUFFERSIZE, static_cast<long>(kHttpPieceSize));
    if (!request.Agent.empty())
        curl_easy_setopt(e, CURLOPT_USERAGENT, request.Agent.c_str());
    if (!request.Referer.empty())
        curl_easy_setopt(e, CURLOPT_REFERER, request.Referer.c_str());
    if (!request.UserName.empty() || !request.Password.empty()) {
        curl_easy_setopt(e, CURLOPT_USERNAME, request.UserName.c_str());
        curl_easy_setopt(e, CURLOPT_PASSWORD, request.Password.c_str());
    }
    if (post) {
        curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.PostQuery.size()));
        curl_easy_setopt(e, CURLOPT_POSTFIELDS, request.PostQuery.c_str());
    }
}

HeaderList requestHeaders(const THTTPRequest& request, bool post) {
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, ("Accept: " + request.AcceptTypes).c_str());
    if (!request.UseCache) {
        // What a forced reload asks of every cache on the way.
        headers = curl_slist_append(headers, "Cache-Control: no-cache");
        headers = curl_slist_append(headers, "Pragma: no-cache");
    }
    if (post)
        headers = curl_slist_append(headers, "Content-Type: application/x-www-form-urlencoded");
    return HeaderList(headers);
}

// Driven step by step, so a stop request or a stalled server is noticed
// within a few milliseconds rather than at libcurl's next timeout. None when
// libcurl ran the transfer to its end, whatever that end was.
TransferFailureKind drive(CURLM* multi, const THTTPLimits& limits, const std::atomic<bool>& stop,
                          Receiver& receiver) {
    const auto window = std::chrono::milliseconds(std::max(1, limits.LowSpeedTimeMs));
    auto windowStart = Clock::now();
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            return TransferFailureKind::Failed;
        if (running == 0)
            return TransferFailureKind::None;
        if (stop)
            return TransferFailureKind::Stopped;
        if (Clock::now() - windowStart >= window) {
            // Too little arrived in the last window: the server has stalled.
            if (receiver.windowBytes * 1000 <
                static_cast<int64_t>(limits.LowSpeedLimit) * window.count())
                return TransferFailureKind::TimedOut;
            receiver.windowBytes = 0;
            windowStart = Clock::now();
        }
        curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
    }
}

// How libcurl's end of a transfer reads to the user. A sink that refused
// the answer shows here as a write error; it has its own reason.
TransferFailureKind failureOf(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return TransferFailureKind::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return TransferFailureKind::NoConnection;
    case CURLE_OPERATION_TIMEDOUT:
        return TransferFailureKind::TimedOut;
    case CURLE_GOT_NOTHING:
        return TransferFailureKind::NoAnswer;
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        return TransferFailureKind::ConnectionLost;
    case CURLE_PARTIAL_FILE:
        return TransferFailureKind::CutShort;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_BAD_CONTENT_ENCODING:
        return TransferFailureKind::Unreadable;
    case CURLE_FILESIZE_EXCEEDED:
        return TransferFailureKind::TooLarge;
    default:
        return TransferFailureKind::Failed;
    }
}

// Scheme, host and port of an address, as libcurl reads it; empty when it
// cannot be read.
std::string origin(const std::string& address) {
    Url url(curl_url());
    if (!url || curl_url_set(url.get(), CURLUPART_URL, address.c_str(), 0) != CURLUE_OK)
        return {};
    std::string parts;
    for (const CURLUPart part : {CURLUPART_SCHEME, CURLUPART_HOST, CURLUPART_PORT}) {
        char* text = nullptr;
        if (curl_url_get(url.get(), part, &text, CURLU_DEFAULT_PORT) != CURLUE_OK)
            return {};
        parts += text;
        parts += '\n';
        curl_free(text);
    }
    std::transform(parts.begin(), parts.end(), parts.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return parts;
}

struct Hop {
    HttpTransferResult result;
    std::string redirect; // where a redirect answer points; empty otherwise
};

// One request and its answer; a redirect is not followed here.
Hop performOnce(const THTTPRequest& request, const std::string& address, bool post,
                long timeLeftMs, const std::atomic<bool>& stop, HttpTransferSink& sink) {
    Hop hop;
    hop.result.failure = TransferFailureKind::Failed;
    Easy easy(curl_easy_init());
    Multi multi(curl_multi_init());
    if (!easy || !multi)
        return hop;
    CURL* e = easy.get();
    if (!setSafety(e))
        return hop;
    setRequest(e, request, address, timeLeftMs, post);
    const HeaderList headers = requestHeaders(request, post);
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());

    Receiver receiver{sink, e};
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &onHead);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, &receiver);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &receiver);

    if (curl_multi_add_handle(multi.get(), e) != CURLM_OK)
        return hop;
    const TransferFailureKind cut = drive(multi.get(), request.Limits, stop, receiver);
    CURLcode result = CURLE_OK;
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
        if (message->msg == CURLMSG_DONE)
            result = message->data.result;
    }
    curl_multi_remove_handle(multi.get(), e);
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &hop.result.status);
    hop.result.completed = cut == TransferFailureKind::None && result == CURLE_OK && !stop;
    if (hop.result.completed)
        hop.result.failure = TransferFailureKind::None;
    else if (stop)
        hop.result.failure = TransferFailureKind::Stopped;
    else
        hop.result.failure = cut != TransferFailureKind::None ? cut : failureOf(result);
    char* next = nullptr;
    if (hop.result.status >= 300 && hop.result.status < 400 &&
        curl_easy_getinfo(e, CURLINFO_REDIRECT_URL, &next) == CURLE_OK && next)
        hop.redirect = next;
    return hop;
}

// Redirects are followed only to the same scheme, host and port: a server
// that sends the program elsewhere (a portal, another service on the same
// machine) is not asked at all.
HttpTransferResult perform(const THTTPRequest& request, const std::string& address,
                           const std::atomic<bool>& stop, HttpTransferSink& sink) {
    initialiseCurlOnce();
    const std::string home = origin(address);
    const auto deadline = Clock::now() + std::chrono::milliseconds(request.Limits.TimeoutMs);
    std::string current = address;
    bool post = !request.PostQuery.empty();
    for (int redirects = 0;; ++redirects) {
        const long timeLeftMs = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
        if (timeLeftMs <= 0)
            return {.failure = TransferFailureKind::TimedOut};
        Hop hop = performOnce(request, current, post, timeLeftMs, stop, sink);
        if (!hop.result.completed || hop.redirect.empty())
            return hop.result;
        if (redirects >= request.Limits.MaxRedirects)
            return {.failure = TransferFailureKind::TooManyRedirects};
        if (home.empty() || origin(hop.redirect) != home)
            return {.failure = TransferFailureKind::RedirectedAway};
        // As browsers do: only 307 and 308 repeat a POST.
        if (hop.result.status != 307 && hop.result.status != 308)
            post = false;
        current = std::move(hop.redirect);
    }
}

constexpr HttpTransport kTransport{kHttpTransportVersion, &perform};

} // namespace

extern "C" __attribute__((visibility("default"))) const HttpTransport* stridewell_http_transport() {
    return &kTransport;
}

static_assert(std::is_same_v<decltype(&stridewell_http_transport), HttpTransportEntry>);
