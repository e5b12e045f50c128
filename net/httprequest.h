#pragma once

#include <cstdint>
#include <string>

// Bounds that keep a broken or hostile server from holding a transfer
// forever or filling the disk. Generous for real use; tests lower them.
struct THTTPLimits {
    int ConnectTimeoutMs = 15000;       // to open the connection
    int TimeoutMs = 300000;             // for the whole transfer
    int LowSpeedLimit = 16;             // bytes per second that count as moving ...
    int LowSpeedTimeMs = 30000;         // ... measured over windows this long
    int32_t MaxSize = 16 * 1024 * 1024; // body bytes, announced or received
    int MaxRedirects = 3;
};

// Everything a transfer needs, copied from the component when it starts, so
// later changes to the component do not reach a running transfer.
struct THTTPRequest {
    std::string AcceptTypes;
    std::string Agent;
    std::string URL;
    std::string FileName;
    std::string UserName;
    std::string Password;
    std::string PostQuery;
    std::string Referer;
    bool BinaryData = false;
    bool UseCache = false;
    int Port = 80;
    THTTPLimits Limits;
    bool ReplaceExisting = true; // false: a file that appears at FileName meanwhile is kept
};
