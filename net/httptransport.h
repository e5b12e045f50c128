#pragma once

#include "httprequest.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The connection side of a download, kept in a module of its own (built from
// curltransfer.cpp) so that libcurl and everything it needs are loaded only
// when the first download starts. Both sides are built together from this
// header; the version, taken from the layout of everything that crosses
// between them, keeps a stale module beside a newer program from being used.

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
};

struct HttpTransport {
    int version;
    // Sends `request` to `address` ("http://host:port/path", already
    // encoded) and hands the response to `sink`. A set `stop` ends it within
    // a few milliseconds as not completed.
    HttpTransferResult (*perform)(const THTTPRequest& request, const std::string& address,
                                  const std::atomic<bool>& stop, HttpTransferSink& sink);
};

// Every member of every structure that crosses to the module, by size and
// place: a member added, removed, moved or retyped changes the version.
inline constexpr int kHttpTransportVersion = [] {
    const size_t layout[] = {
        sizeof(std::string), sizeof(std::atomic<bool>), kHttpPieceSize,
        sizeof(THTTPLimits), offsetof(THTTPLimits, ConnectTimeoutMs),
        offsetof(THTTPLimits, TimeoutMs), offsetof(THTTPLimits, LowSpeedLimit),
        offsetof(THTTPLimits, LowSpeedTimeMs), offsetof(THTTPLimits, MaxSize),
        offsetof(THTTPLimits, MaxRedirects),
        sizeof(THTTPRequest), offsetof(THTTPRequest, AcceptTypes),
        offsetof(THTTPRequest, Agent), offsetof(THTTPRequest, URL),
        offsetof(THTTPRequest, FileName), offsetof(THTTPRequest, UserName),
        offsetof(THTTPRequest, Password), offsetof(THTTPRequest, PostQuery),
        offsetof(THTTPRequest, Referer), offsetof(THTTPRequest, BinaryData),
        offsetof(THTTPRequest, UseCache), offsetof(THTTPRequest, Port),
        offsetof(THTTPRequest, Limits), offsetof(THTTPRequest, ReplaceExisting),
        sizeof(HttpTransferResult), offsetof(HttpTransferResult, completed),
        offsetof(HttpTransferResult, status),
        sizeof(HttpTransport), offsetof(HttpTransport, version),
        offsetof(HttpTransport, perform)};
    uint32_t hash = 2166136261U; // FNV-1a over the figures
    for (const size_t figure : layout) {
        for (int shift = 0; shift < 64; shift += 8) {
            hash ^= static_cast<uint32_t>((figure >> shift) & 0xFF);
            hash *= 16777619U;
        }
    }
    return static_cast<int>(hash & 0x7FFFFFFF);
}();
// The module's one exported function, of type HttpTransportEntry.
inline constexpr char kHttpTransportEntry[] = "stridewell_http_transport";
using HttpTransportEntry = const HttpTransport* (*)();
