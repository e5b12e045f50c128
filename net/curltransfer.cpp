// The download transport on libcurl, built as a module of its own.
#include "httptransport.h"

#include <curl/curl.h>

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
        return receiver->sink.bodyBytes(status, bytes, length) ? length : 0;
    } catch (...) {
        return 0;
    }
}

void setRequest(CURL* e, const THTTPRequest& request, const std::string& address) {
    const THTTPLimits& limits = request.Limits;
    curl_easy_setopt(e, CURLOPT_URL, address.c_str());
    curl_easy_setopt(e, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(e, CURLOPT_DISALLOW_USERNAME_IN_URL, 1L);
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http");
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, limits.MaxRedirects > 0 ? 1L : 0L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, static_cast<long>(limits.MaxRedirects));
    curl_easy_setopt(e, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.ConnectTimeoutMs));
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.TimeoutMs));
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
    if (!request.PostQuery.empty()) {
        curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.PostQuery.size()));
        curl_easy_setopt(e, CURLOPT_POSTFIELDS, request.PostQuery.c_str());
    }
}

HeaderList requestHeaders(const THTTPRequest& request) {
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, ("Accept: " + request.AcceptTypes).c_str());
    if (!request.UseCache) {
        // What a forced reload asks of every cache on the way.
        headers = curl_slist_append(headers, "Cache-Control: no-cache");
        headers = curl_slist_append(headers, "Pragma: no-cache");
    }
    if (!request.PostQuery.empty())
        headers = curl_slist_append(headers, "Content-Type: application/x-www-form-urlencoded");
    return HeaderList(headers);
}

// Driven step by step, so a stop request or a stalled server is noticed
// within a few milliseconds rather than at libcurl's next timeout.
bool drive(CURLM* multi, const THTTPLimits& limits, const std::atomic<bool>& stop,
           Receiver& receiver) {
    using Clock = std::chrono::steady_clock;
    const auto window = std::chrono::milliseconds(std::max(1, limits.LowSpeedTimeMs));
    auto windowStart = Clock::now();
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            return false;
        if (running == 0)
            return true;
        if (stop)
            return false;
        if (Clock::now() - windowStart >= window) {
            // Too little arrived in the last window: the server has stalled.
            if (receiver.windowBytes * 1000 <
                static_cast<int64_t>(limits.LowSpeedLimit) * window.count())
                return false;
            receiver.windowBytes = 0;
            windowStart = Clock::now();
        }
        curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
    }
}

HttpTransferResult perform(const THTTPRequest& request, const std::string& address,
                           const std::atomic<bool>& stop, HttpTransferSink& sink) {
    HttpTransferResult outcome;
    initialiseCurlOnce();
    Easy easy(curl_easy_init());
    Multi multi(curl_multi_init());
    if (!easy || !multi)
        return outcome;
    CURL* e = easy.get();
    setRequest(e, request, address);
    const HeaderList headers = requestHeaders(request);
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());

    Receiver receiver{sink, e};
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &onHead);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, &receiver);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &receiver);

    if (curl_multi_add_handle(multi.get(), e) != CURLM_OK)
        return outcome;
    const bool ran = drive(multi.get(), request.Limits, stop, receiver);
    CURLcode result = CURLE_OK;
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
        if (message->msg == CURLMSG_DONE)
            result = message->data.result;
    }
    curl_multi_remove_handle(multi.get(), e);
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &outcome.status);
    outcome.completed = ran && result == CURLE_OK && !stop;
    return outcome;
}

constexpr HttpTransport kTransport{kHttpTransportVersion, &perform};

} // namespace

extern "C" __attribute__((visibility("default"))) const HttpTransport* stridewell_http_transport() {
    return &kTransport;
}

static_assert(std::is_same_v<decltype(&stridewell_http_transport), HttpTransportEntry>);
