#include "transferfailure.h"

std::string transferfailuretext(const TransferFailure& failure) {
    const std::string& detail = failure.detail;
    switch (failure.kind) {
    case TransferFailureKind::None:
        return {};
    case TransferFailureKind::NoTransport:
        return "The download module could not be loaded";
    case TransferFailureKind::HostNotFound:
        return "The server name " + detail + " is unknown";
    case TransferFailureKind::NoConnection:
        return "No connection to " + detail;
    case TransferFailureKind::TimedOut:
        return "The connection timed out";
    case TransferFailureKind::NoAnswer:
        return "The server closed the connection without an answer";
    case TransferFailureKind::ConnectionLost:
        return "The connection was lost";
    case TransferFailureKind::Status:
        return "The server answered " + detail;
    case TransferFailureKind::Unreadable:
        return "The server's answer could not be read";
    case TransferFailureKind::NoLength:
        return "The server's answer did not give its length";
    case TransferFailureKind::CutShort:
        return "The server's answer was cut short";
    case TransferFailureKind::Empty:
        return "The server's answer was empty";
    case TransferFailureKind::TooLarge:
        return "The server's answer was too large";
    case TransferFailureKind::RedirectedAway:
        return "The server sent the program to another address";
    case TransferFailureKind::TooManyRedirects:
        return "The server redirected the program too often";
    case TransferFailureKind::Refused:
        return "The server's answer " + detail;
    case TransferFailureKind::NotWritten:
        return detail + " could not be written";
    case TransferFailureKind::Stopped:
        return "The download was stopped";
    case TransferFailureKind::Failed:
        break;
    }
    return "The download failed";
}
