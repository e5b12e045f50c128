#include "net/httpgetthread.h"

#include "data/texttrim.h"
#include "net/handlercall.h"
#include "net/httpmodule.h"
#include "net/replycheck.h"

#include <QMetaObject>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

// A response head longer than this is refused as too large. libcurl has a
// larger limit of its own, but reports it as a broken connection.
constexpr size_t kMaxHeadBytes = 64 * 1024;

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

THTTPGetThread::THTTPGetThread(QObject* progressTarget, THTTPRequest request, bool toFile,
                               TOnProgressEvent progress, TReplyCheck check)
    : m_progressTarget(progressTarget), m_request(std::move(request)), m_toFile(toFile),
      m_progress(std::move(progress)), m_check(std::move(check)) {}

THTTPGetThread::~THTTPGetThread() {
    wait();
}

TUrlParts THTTPGetThread::SplitUrl(const std::string& URL) {
    std::string rest = URL;
    if (startswithnocase(rest, "http://"))
        rest.erase(0, 7);
    const size_t slash = rest.find('/');
    if (slash == std::string::npos)
        return {"", rest};
    return {rest.substr(0, slash), rest.substr(slash)};
}

void THTTPGetThread::run() {
    try {
        m_outcome = transfer();
    } catch (...) {
        m_outcome = false;
        fail(TransferFailureKind::Failed);
    }
    if (!m_outcome)
        m_part.discard();
}

bool THTTPGetThread::fail(TransferFailureKind kind, std::string detail) {
    if (m_failure.kind == TransferFailureKind::None)
        m_failure = {kind, std::move(detail)};
    return false;
}

bool THTTPGetThread::transfer() {
    const TUrlParts parts = SplitUrl(m_request.URL);
    if (m_stop)
        return fail(TransferFailureKind::Stopped);
    const HttpTransport* transport = httpTransport();
    if (!transport)
        return fail(TransferFailureKind::NoTransport);
    const std::string server = parts.Host + ":" + std::to_string(m_request.Port);
    const std::string address = "http://" + server + requestPath(parts.ObjectPath);
    const HttpTransferResult result = transport->perform(m_request, address, m_stop, *this);
    if (m_stop)
        return fail(TransferFailureKind::Stopped);
    if (!result.completed) {
        // Where the sink ended the transfer it has already said why.
        switch (result.failure) {
        case TransferFailureKind::NoConnection:
            return fail(result.failure, server);
        case TransferFailureKind::HostNotFound:
            return fail(result.failure, parts.Host);
        case TransferFailureKind::None:
            return fail(TransferFailureKind::Failed);
        default:
            return fail(result.failure);
        }
    }
    // An empty body never reached bodyBytes.
    if (!m_bodyStarted && !beginBody(result.status))
        return false;
    if (m_toFile && m_Readed != m_TotalSize)
        return fail(m_lengthHeader ? TransferFailureKind::CutShort : TransferFailureKind::NoLength);
    if (!m_toFile && m_Readed == 0)
        return fail(TransferFailureKind::Empty);
    if (m_stop)
        return fail(TransferFailureKind::Stopped);
    if (m_check) {
        if (ReplyRefusal refusal = m_check(m_text, m_contentType)) {
            if (m_failure.kind == TransferFailureKind::None)
                m_failure = {TransferFailureKind::Refused, refusalreason(refusal), std::move(refusal)};
            return false;
        }
    }
    if (m_toFile && !m_part.commit(m_request.ReplaceExisting))
        return fail(TransferFailureKind::NotWritten, m_request.FileName);
    return true;
}

bool THTTPGetThread::headLine(std::string_view line) {
    if (m_stop)
        return fail(TransferFailureKind::Stopped);
    if (startswithnocase(line, "HTTP/")) {
        // A new response head, after a redirect or an interim reply.
        m_lengthHeader.reset();
        m_contentType.clear();
        m_headBytes = 0;
    } else if (startswithnocase(line, "Content-Length:")) {
        m_lengthHeader = std::string(trimmed(line.substr(15)));
    } else if (startswithnocase(line, "Content-Type:")) {
        m_contentType = std::string(trimmed(line.substr(13)));
    }
    m_headBytes += line.size();
    return m_headBytes <= kMaxHeadBytes || fail(TransferFailureKind::TooLarge);
}

// Decides, once the final response head is known and before any body byte is
// kept, whether the body is wanted at all.
bool THTTPGetThread::beginBody(long status) {
    m_bodyStarted = true;
    if (status < 200 || status > 299)
        return fail(TransferFailureKind::Status, std::to_string(status));
    if (m_lengthHeader) {
        const std::optional<int32_t> length = parseLength(*m_lengthHeader);
        if (!length)
            return fail(TransferFailureKind::Unreadable);
        if (*length > m_request.Limits.MaxSize)
            return fail(TransferFailureKind::TooLarge);
        m_TotalSize = *length;
    } else if (m_request.BinaryData) {
        return fail(TransferFailureKind::NoLength);
    }
    m_Readed = 0;
    m_text.clear();
    if (m_toFile && !m_part.create(m_request.FileName))
        return fail(TransferFailureKind::NotWritten, m_request.FileName);
    return true;
}

bool THTTPGetThread::bodyBytes(long status, const char* bytes, size_t size) {
    if (m_stop)
        return fail(TransferFailureKind::Stopped);
    if (!m_bodyStarted && !beginBody(status))
        return false;
    for (size_t offset = 0; offset < size; offset += kHttpPieceSize) {
        if (!takePiece(bytes + offset, std::min(kHttpPieceSize, size - offset)))
            return false;
    }
    return true;
}

bool THTTPGetThread::takePiece(const char* bytes, size_t size) {
    if (m_stop)
        return fail(TransferFailureKind::Stopped);
    // The transport caps only announced lengths; a body without one is capped here.
    if (static_cast<int64_t>(m_Readed) + static_cast<int64_t>(size) > m_request.Limits.MaxSize)
        return fail(TransferFailureKind::TooLarge);
    if (m_toFile && !m_part.write(bytes, size))
        return fail(TransferFailureKind::NotWritten, m_request.FileName);
    // A file's bytes are kept too when the whole reply is to be judged.
    if (!m_toFile || m_check)
        m_text.append(bytes, size);
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
    // when it is destroyed meanwhile, which also releases the wait. Checked
    // and handed over under the lock, so once the component has seen the lock
    // free after a stop, no call can reach it any more.
    const std::lock_guard lock(m_postLock);
    if (m_stop)
        return;
    QMetaObject::invokeMethod(
        m_progressTarget,
        [&progress, sender, total, readed] {
            callhandler([&] { progress(sender, total, readed); });
        },
        Qt::BlockingQueuedConnection);
}
