#pragma once

#include "data/filetext.h"

#include <cstdint>
#include <string>
#include <utility>

// Why a download failed, as the transfer saw it: a kind, and what that kind
// names (the host and port it could not reach, the status code the server
// answered with). The transfer only reports it; the window words it.
//
// The kind crosses from the download module: new kinds go at the end, so a
// module built before them never sends one the program reads otherwise.
enum class TransferFailureKind : uint8_t {
    None,
    NoTransport,      // the download module could not be loaded
    HostNotFound,     // detail: the host
    NoConnection,     // detail: "host:port"
    TimedOut,         // no answer in time, or the answer stalled
    NoAnswer,         // the connection closed before any answer
    ConnectionLost,   // the connection broke while the answer arrived
    Status,           // detail: the status code, which is not 2xx
    Unreadable,       // not an HTTP answer, or a length that is no number
    NoLength,         // a file's answer that does not give its length
    CutShort,         // less arrived than the answer announced
    Empty,            // an answer without a single byte
    TooLarge,         // beyond the transfer's size limit
    RedirectedAway,   // to another scheme, host or port
    TooManyRedirects, // more than the transfer's limit
    Refused,          // refusal, and as detail its reason ("is a web page")
    NotWritten,       // detail: the file
    Stopped,          // the transfer was cancelled
    Failed,           // anything else
};

// Why a reply check refused an answer; the window words it.
enum class ReplyFault : uint8_t {
    None,
    Empty,
    NulBytes,
    WebPage,       // a captive portal or a proxy answering in place of the file
    NoCircuitName,
    NoIntervals,
    NoExercises,
    BadKey,        // key: the key's text, its path empty, its line the answer's
};

struct ReplyRefusal {
    ReplyFault fault = ReplyFault::None;
    FileText key;

    explicit operator bool() const { return fault != ReplyFault::None; }
};

struct TransferFailure {
    TransferFailure() = default;
    TransferFailure(TransferFailureKind kind, std::string detail = {}, ReplyRefusal refusal = {})
        : kind(kind), detail(std::move(detail)), refusal(std::move(refusal)) {}

    TransferFailureKind kind = TransferFailureKind::None;
    std::string detail;
    ReplyRefusal refusal; // Refused only
};
