#pragma once

#include "net/httprequest.h"
#include "net/httptransport.h"
#include "net/partfile.h"
#include "net/transferfailure.h"

#include <QThread>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

// Progress of a transfer; Sender is the worker, not the component.
using TOnProgressEvent = std::function<void(QObject* Sender, int32_t TotalSize, int32_t Readed)>;

// Judges a whole reply (body and its media type) before anything of it is
// stored or handed on: no refusal to take it, else why it is refused. Runs on
// the worker thread, so it may look only at its arguments.
using TReplyCheck = std::function<ReplyRefusal(std::string_view body, std::string_view contentType)>;

// Host and object path of an address.
struct TUrlParts {
    std::string Host;
    std::string ObjectPath;
};

// One transfer on its own thread. It touches only its own fields, its part
// file and its connection; progress runs on the main thread while the worker
// waits for it.
class THTTPGetThread final : public QThread, private HttpTransferSink {
    Q_OBJECT

public:
    // progressTarget: an object living on the main thread that runs the
    // progress calls.
    THTTPGetThread(QObject* progressTarget, THTTPRequest request, bool toFile,
                   TOnProgressEvent progress, TReplyCheck check = {});
    ~THTTPGetThread() override;

    // "http://" in any letter case is dropped; the host is the text before the
    // first "/", the object path the rest from that "/". Without any "/" the
    // host is empty and the whole rest is the path ("HTTP://a.b/c?d=1" ->
    // host "a.b", path "/c?d=1"; "a.b" -> host "", path "a.b").
    static TUrlParts SplitUrl(const std::string& URL);

    // Asks the transfer to stop; it then ends as a failure. Safe from any thread.
    void requestStop() { m_stop = true; }
    // A stop request that also marks the outcome a failure at once: only a run
    // still under way can overtake it with an outcome of its own.
    void cancel() {
        m_stop = true;
        m_outcome = false;
    }
    // True when no progress call is on its way to the main thread. Once a stop
    // has been asked for and this has held, none ever will be.
    bool noProgressPending() {
        const std::unique_lock lock(m_postLock, std::try_to_lock);
        return lock.owns_lock();
    }

    // Read after the thread has ended.
    bool outcome() const { return m_outcome; }
    bool toFile() const { return m_toFile; }
    const std::string& FileName() const { return m_request.FileName; }
    int32_t TotalSize() const { return m_TotalSize; }
    const std::string& collectedText() const { return m_text; }
    // Why the transfer failed (a refused reply among the reasons); kind None
    // when it did not, or when only a cancel made it a failure.
    const TransferFailure& failure() const { return m_failure; }

protected:
    void run() override;

private:
    bool transfer(); // true when the transfer succeeded
    bool headLine(std::string_view line) override;
    bool bodyBytes(long status, const char* bytes, size_t size) override;
    bool beginBody(long status);
    bool takePiece(const char* bytes, size_t size);
    void reportProgress();
    // Keeps the first reason only: what ended the transfer, not what followed.
    bool fail(TransferFailureKind kind, std::string detail = {});

    QObject* m_progressTarget;
    const THTTPRequest m_request;
    const bool m_toFile;
    const TOnProgressEvent m_progress;
    const TReplyCheck m_check;

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_outcome{false};
    std::string m_text;
    int32_t m_TotalSize = 0;
    int32_t m_Readed = 0;
    std::optional<std::string> m_lengthHeader; // of the latest response head
    std::string m_contentType;                 // of the latest response head
    size_t m_headBytes = 0;                    // of the latest response head
    TransferFailure m_failure;
    std::mutex m_postLock; // held while a progress call is being handed over
    bool m_bodyStarted = false;
    PartFile m_part;
};
