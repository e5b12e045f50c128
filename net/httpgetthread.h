#pragma once

#include "httprequest.h"
#include "httptransport.h"
#include "partfile.h"

#include <QThread>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Progress of a transfer; Sender is the worker, not the component.
using TOnProgressEvent = std::function<void(QObject* Sender, int32_t TotalSize, int32_t Readed)>;

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
                   TOnProgressEvent progress);
    ~THTTPGetThread() override;

    // "http://" in any letter case is dropped; the host is the text before the
    // first "/", the object path the rest from that "/". Without any "/" the
    // host is empty and the whole rest is the path ("HTTP://a.b/c?d=1" ->
    // host "a.b", path "/c?d=1"; "a.b" -> host "", path "a.b").
    static TUrlParts SplitUrl(const std::string& URL);

    // Asks the transfer to stop; it then ends as a failure. Safe from any thread.
    void requestStop() { m_stop = true; }

    // Read after the thread has ended.
    bool outcome() const { return m_outcome; }
    bool toFile() const { return m_toFile; }
    const std::string& FileName() const { return m_request.FileName; }
    int32_t TotalSize() const { return m_TotalSize; }
    const std::string& collectedText() const { return m_text; }

protected:
    void run() override;

private:
    void transfer();
    bool headLine(std::string_view line) override;
    bool bodyBytes(long status, const char* bytes, size_t size) override;
    bool beginBody(long status);
    bool takePiece(const char* bytes, size_t size);
    void reportProgress();

    QObject* m_progressTarget;
    const THTTPRequest m_request;
    const bool m_toFile;
    const TOnProgressEvent m_progress;

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_outcome{false};
    std::string m_text;
    int32_t m_TotalSize = 0;
    int32_t m_Readed = 0;
    std::optional<std::string> m_lengthHeader; // of the latest response head
    bool m_bodyStarted = false;
    PartFile m_part;
};
