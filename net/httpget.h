#pragma once

#include "net/httpgetthread.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

using TOnDoneFileEvent =
    std::function<void(QObject* Sender, const std::string& FileName, int32_t FileSize)>;
using TOnDoneStringEvent = std::function<void(QObject* Sender, const std::string& Result)>;
using TNotifyEvent = std::function<void(QObject* Sender)>;

// Fetches one resource over HTTP on a worker thread, into a file or a string.
// After a start exactly one of OnDoneFile, OnDoneString or OnError follows on
// the main thread, unless the component is destroyed first. A start while a
// transfer runs is ignored.
//
// A failure is never reported as a success: a server that cannot be reached,
// a status other than 2xx, a length header that is not a number or does not
// match the body, a body over Limits.MaxSize, a stalled or overlong transfer,
// or a file that cannot be written all end in OnError, and failure() tells
// which. A to-file transfer replaces FileName only when it succeeds.
class THTTPGet final : public QObject {
    Q_OBJECT

public:
    explicit THTTPGet(QObject* owner = nullptr);
    ~THTTPGet() override; // cancels; no event of that transfer follows

    std::string AcceptTypes = "*/*";
    std::string Agent = "Corvane HTTPGet"; // empty: no user agent
    bool BinaryData = false;               // true: a response without a length fails at once
    std::string URL;                       // with or without a leading "http://"
    bool UseCache = false;                 // false: ask every cache on the way for a fresh copy
    std::string FileName;
    std::string UserName;
    std::string Password;
    std::string PostQuery; // non-empty: the request is a POST with this body
    std::string Referer;
    bool WaitThread = false; // true: a start returns after the transfer's event
    int Port = 80;
    THTTPLimits Limits;
    // false: a to-file transfer never replaces a file that exists when it
    // ends (it fails instead), so a file made meanwhile is kept.
    bool ReplaceExisting = true;
    // When set, judges each whole reply before it is stored or handed on; a
    // reply it refuses ends in OnError and failure() tells why.
    TReplyCheck Check;

    TOnProgressEvent OnProgress;
    TOnDoneFileEvent OnDoneFile;
    TOnDoneStringEvent OnDoneString;
    TNotifyEvent OnError;

    void DownloadFile();
    void DownloadString(); // reported through OnDoneString
    // Asks a running transfer to stop and marks it failed: it ends in OnError,
    // unless the run, still under way, finished with an outcome of its own.
    // A transfer whose run has ended but is not reported yet ends in OnError.
    void Cancel();

    bool busy() const { return m_worker != nullptr; }
    bool lastOutcome() const { return m_outcome; }
    // Why the last transfer ended in OnError; kind None after a success.
    const TransferFailure& failure() const { return m_failure; }
    // The running worker, the Sender of OnProgress; null when idle.
    const QObject* worker() const { return m_worker.get(); }

private:
    void start(bool toFile);
    void TransferDone();

    std::unique_ptr<THTTPGetThread> m_worker;
    bool m_outcome = false;
    TransferFailure m_failure;
};
