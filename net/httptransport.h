#pragma once

#include "data/moduleversion.h"
#include "net/httprequest.h"
#include "net/transferfailure.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// The connection side of a download, kept in a module of its own (built from
// curltransfer.cpp) so that libcurl and everything it needs are loaded only
// when the first download starts. Both sides are built together from this
// header; the version, taken from the types and layout of everything that
// crosses between them, keeps a stale module beside a newer program from
// being used.

// Body bytes are received, and handed on, in pieces no larger than this.
inline constexpr size_t kHttpPieceSize = 1025;

// Takes a response as it arrives; either call ends the transfer by
// returning false. Exceptions are allowed and end the transfer too.
class HttpTransferSink {
public:
    // One line of a response head, line end included. Every head arrives,
    // also those of redirects and interim replies.
    virtual bool headLine(std::string_view line) = 0;
    // Body bytes of the final response; status is that response's code.
    virtual bool bodyBytes(long status, const char* bytes, size_t size) = 0;

protected:
    ~HttpTransferSink() = default;
};

struct HttpTransferResult {
    bool completed = false; // the whole response arrived within every limit
    long status = 0;        // of the final response; 0 when none arrived
    // Why it did not complete, as far as the connection tells; where the
    // sink ended the transfer, the sink knows better.
    TransferFailureKind failure = TransferFailureKind::None;
};

struct HttpTransport {
    int version;
    // Sends `request` to `address` ("http://host:port/path", already
    // encoded) and hands the response to `sink`. A set `stop` ends it within
    // a few milliseconds as not completed.
    HttpTransferResult (*perform)(const THTTPRequest& request, const std::string& address,
                                  const std::atomic<bool>& stop, HttpTransferSink& sink);
};

// The sink is called from the module through its table of virtual
// functions, which the version cannot see the order of: new functions go at
// its end. It holds no data.
static_assert(std::is_polymorphic_v<HttpTransferSink> && sizeof(HttpTransferSink) == sizeof(void*));

inline constexpr int kHttpTransportVersion = moduleversion({
    STRIDEWELL_MODULE_TYPE(std::string),
    STRIDEWELL_MODULE_TYPE(std::atomic<bool>),
    ModulePart{"piece size", kHttpPieceSize},
    STRIDEWELL_MODULE_TYPE(THTTPLimits),
    STRIDEWELL_MODULE_MEMBER(THTTPLimits, ConnectTimeoutMs),
    STRIDEWELL_MODULE_MEMBER(THTTPLimits, TimeoutMs),
    STRIDEWELL_MODULE_MEMBER(THTTPLimits, LowSpeedLimit),
    STRIDEWELL_MODULE_MEMBER(THTTPLimits, LowSpeedTimeMs),
    STRIDEWELL_MODULE_MEMBER(THTTPLimits, MaxSize),
    STRIDEWELL_MODULE_MEMBER(THTTPLimits, MaxRedirects),
    STRIDEWELL_MODULE_TYPE(THTTPRequest),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, AcceptTypes),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, Agent),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, URL),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, FileName),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, UserName),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, Password),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, PostQuery),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, Referer),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, BinaryData),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, UseCache),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, Port),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, Limits),
    STRIDEWELL_MODULE_MEMBER(THTTPRequest, ReplaceExisting),
    STRIDEWELL_MODULE_TYPE(HttpTransferResult),
    STRIDEWELL_MODULE_MEMBER(HttpTransferResult, completed),
    STRIDEWELL_MODULE_MEMBER(HttpTransferResult, status),
    STRIDEWELL_MODULE_MEMBER(HttpTransferResult, failure),
    ModulePart{typetext<decltype(&HttpTransferSink::headLine)>()},
    ModulePart{typetext<decltype(&HttpTransferSink::bodyBytes)>()},
    STRIDEWELL_MODULE_TYPE(HttpTransport),
    STRIDEWELL_MODULE_MEMBER(HttpTransport, version),
    STRIDEWELL_MODULE_MEMBER(HttpTransport, perform),
});
// The module's one exported function, of type HttpTransportEntry.
inline constexpr char kHttpTransportEntry[] = "stridewell_http_transport";
using HttpTransportEntry = const HttpTransport* (*)();
