#pragma once

#include "httprequest.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>

// The connection side of a download, kept in a module of its own (built from
// curltransfer.cpp) so that libcurl and everything it needs are loaded only
// when the first download starts. Both sides are built together from this
// header; the version guards against a stale module beside a newer program.

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

inline constexpr int kHttpTransportVersion = 1;
// The module's one exported function, of type HttpTransportEntry.
inline constexpr char kHttpTransportEntry[] = "stridewell_http_transport";
using HttpTransportEntry = const HttpTransport* (*)();
