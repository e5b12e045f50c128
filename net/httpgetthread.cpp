#include "httpgetthread.h"

#include "errorguard.h"

#include <QMetaObject>

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <memory>
#include <mutex>
#include <string_view>

namespace {

// The body is handed on in pieces no larger than this, each followed by one
// progress call.
constexpr size_t kPieceSize = 1025;
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

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (std::tolower(a) != std::tolower(b))
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A length header holds decimal digits only; anything else ("12abc", "-1",
// "", "99999999999") is no length at all.
std::optional<int32_t> parseLength(std::string_view text) {
    text = trimmed(text);
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Bytes that cannot stand in a request line are sent percent-encoded; all
// others, "%", "?" and "/" among them, go out as written
// ("/circuits/Leg Day.cir" -> "/circuits/Leg%20Day.cir").
std::string requestPath(const std::string& objectPath) {
    static constexpr std::string_view kUnsafe = "\"<>\\^`{|}#";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string path;
    for (const char c : objectPath) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || kUnsafe.find(c) != std::string_view::npos) {
            path += '%';
            path += kHex[byte >> 4];
            path += kHex[byte & 0x0F];
        } else {
            path += c;
        }
    }
    return path;
}

} // namespace

// The C callbacks of libcurl; no exception may leave them.
struct CurlCallbacks {
    static size_t header(char* bytes, size_t size, size_t count, void* worker) noexcept {
        try {
            return static_cast<THTTPGetThread*>(worker)->onHeader(bytes, size * count);
        } catch (...) {
            return 0;
        }
    }
    struct BodyTarget {
        THTTPGetThread* worker;
        CURL* easy;
    };
    static size_t body(char* bytes, size_t size, size_t count, void* target) noexcept {
        try {
            auto* t = static_cast<BodyTarget*>(target);
            return t->worker->onBody(t->easy, bytes, size * count);
        } catch (...) {
            return 0; // a short count makes libcurl end the transfer with an error
        }
    }
};

THTTPGetThread::THTTPGetThread(QObject* progressTarget, THTTPRequest request, bool toFile,
                               TOnProgressEvent progress)
    : m_progressTarget(progressTarget), m_request(std::move(request)), m_toFile(toFile),
      m_progress(std::move(progress)) {}

THTTPGetThread::~THTTPGetThread() {
    wait();
}

TUrlParts THTTPGetThread::SplitUrl(const std::string& URL) {
    std::string rest = URL;
    if (startsWithNoCase(rest, "http://"))
        rest.erase(0, 7);
    const size_t slash = rest.find('/');
    if (slash == std::string::npos)
        return {"", rest};
    return {rest.substr(0, slash), rest.substr(slash)};
}

void THTTPGetThread::run() {
    try {
        transfer();
    } catch (...) {
        m_outcome = false;
    }
    if (!m_outcome)
        m_part.discard();
}

void THTTPGetThread::transfer() {
    m_outcome = false;
    const TUrlParts parts = SplitUrl(m_request.URL);
    if (m_stop)
        return;
    initialiseCurlOnce();
    Easy easy(curl_easy_init());
    Multi multi(curl_multi_init());
    if (!easy || !multi)
        return;
    CURL* e = easy.get();
    const THTTPLimits& limits = m_request.Limits;

    const std::string address = "http://" + parts.Host + ":" + std::to_string(m_request.Port) +
                                requestPath(parts.ObjectPath);
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
    curl_easy_setopt(e, CURLOPT_BUFFERSIZE, static_cast<long>(kPieceSize));
    if (!m_request.Agent.empty())
        curl_easy_setopt(e, CURLOPT_USERAGENT, m_request.Agent.c_str());
    if (!m_request.Referer.empty())
        curl_easy_setopt(e, CURLOPT_REFERER, m_request.Referer.c_str());
    if (!m_request.UserName.empty() || !m_request.Password.empty()) {
        curl_easy_setopt(e, CURLOPT_USERNAME, m_request.UserName.c_str());
        curl_easy_setopt(e, CURLOPT_PASSWORD, m_request.Password.c_str());
    }

    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, ("Accept: " + m_request.AcceptTypes).c_str());
    if (!m_request.UseCache) {
        // What a forced reload asks of every cache on the way.
        headers = curl_slist_append(headers, "Cache-Control: no-cache");
        headers = curl_slist_append(headers, "Pragma: no-cache");
    }
    if (!m_request.PostQuery.empty()) {
        headers = curl_slist_append(headers, "Content-Type: application/x-www-form-urlencoded");
        curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(m_request.PostQuery.size()));
        curl_easy_setopt(e, CURLOPT_POSTFIELDS, m_request.PostQuery.c_str());
    }
    const HeaderList headerList(headers);
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, headerList.get());

    CurlCallbacks::BodyTarget target{this, e};
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &CurlCallbacks::header);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &CurlCallbacks::body);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &target);

    // Driven step by step, so a stop request or a stalled server is noticed
    // within a few milliseconds rather than at libcurl's next timeout.
    if (curl_multi_add_handle(multi.get(), e) != CURLM_OK)
        return;
    using Clock = std::chrono::steady_clock;
    const auto window = std::chrono::milliseconds(std::max(1, limits.LowSpeedTimeMs));
    auto windowStart = Clock::now();
    bool ok = true;
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
            ok = false;
            break;
        }
        if (running == 0)
            break;
        if (m_stop) {
            ok = false;
            break;
        }
        if (Clock::now() - windowStart >= window) {
            // Too little arrived in the last window: the server has stalled.
            if (m_windowBytes * 1000 <
                static_cast<int64_t>(limits.LowSpeedLimit) * window.count()) {
                ok = false;
                break;
            }
            m_windowBytes = 0;
            windowStart = Clock::now();
        }
        curl_multi_poll(multi.get(), nullptr, 0, kPollMs, nullptr);
    }
    CURLcode result = CURLE_OK;
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
        if (message->msg == CURLMSG_DONE)
            result = message->data.result;
    }
    curl_multi_remove_handle(multi.get(), e);
    if (!ok || result != CURLE_OK || m_stop)
        return;
    // An empty body never reached the write callback.
    if (!m_bodyStarted && !beginBody(e))
        return;
    const bool complete = m_toFile ? m_Readed == m_TotalSize : m_Readed != 0;
    if (!complete || m_stop)
        return;
    if (m_toFile && !m_part.commit())
        return;
    m_outcome = true;
}

size_t THTTPGetThread::onHeader(const char* bytes, size_t size) {
    if (m_stop)
        return 0;
    m_windowBytes += static_cast<int64_t>(size);
    const std::string_view line(bytes, size);
    if (startsWithNoCase(line, "HTTP/"))
        m_lengthHeader.reset(); // a new response head, after a redirect or an interim reply
    else if (startsWithNoCase(line, "Content-Length:"))
        m_lengthHeader = std::string(trimmed(line.substr(15)));
    return size;
}

// Decides, once the final response head is known and before any body byte is
// kept, whether the body is wanted at all.
bool THTTPGetThread::beginBody(void* easy) {
    m_bodyStarted = true;
    long status = 0;
    curl_easy_getinfo(static_cast<CURL*>(easy), CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        return false;
    if (m_lengthHeader) {
        const std::optional<int32_t> length = parseLength(*m_lengthHeader);
        if (!length || *length > m_request.Limits.MaxSize)
            return false;
        m_TotalSize = *length;
    } else if (m_request.BinaryData) {
        return false;
    }
    m_Readed = 0;
    if (m_toFile)
        return m_part.create(m_request.FileName);
    m_text.clear();
    return true;
}

size_t THTTPGetThread::onBody(void* easy, const char* bytes, size_t size) {
    if (m_stop)
        return 0;
    m_windowBytes += static_cast<int64_t>(size);
    if (!m_bodyStarted && !beginBody(easy))
        return 0;
    for (size_t offset = 0; offset < size; offset += kPieceSize) {
        if (!takePiece(bytes + offset, std::min(kPieceSize, size - offset)))
            return 0;
    }
    return size;
}

bool THTTPGetThread::takePiece(const char* bytes, size_t size) {
    if (m_stop)
        return false;
    // libcurl caps only announced lengths; a body without one is capped here.
    if (static_cast<int64_t>(m_Readed) + static_cast<int64_t>(size) > m_request.Limits.MaxSize)
        return false;
    if (m_toFile) {
        if (!m_part.write(bytes, size))
            return false;
    } else {
        m_text.append(bytes, size);
    }
    m_Readed += static_cast<int32_t>(size);
    reportProgress();
    return true;
}

void THTTPGetThread::reportProgress() {
    if (!m_progress)
        return;
    const int32_t total = m_TotalSize;
    const int32_t readed = m_Readed;
    QObject* sender = this;
    const TOnProgressEvent& progress = m_progress;
    // Blocks until the main thread has run it. The component drops this call
    // when it is destroyed meanwhile, which also releases the wait.
    QMetaObject::invokeMethod(
        m_progressTarget,
        [&progress, sender, total, readed] {
            guarded(nullptr, [&] { progress(sender, total, readed); });
        },
        Qt::BlockingQueuedConnection);
}
