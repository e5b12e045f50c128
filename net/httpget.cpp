#include "net/httpget.h"

#include "net/handlercall.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>

THTTPGet::THTTPGet(QObject* owner) : QObject(owner) {}

namespace {
// How long destruction waits for a running worker before leaving it behind.
constexpr int kStopWaitMs = 800;
} // namespace

THTTPGet::~THTTPGet() {
    if (!m_worker)
        return;
    m_worker->requestStop();
    // The worker may be waiting for a progress call on this thread. Dropping
    // the queued call releases it, so waiting here can never dead-lock; the
    // stop request keeps it from asking again.
    const QDeadlineTimer deadline(kStopWaitMs);
    bool ended = false;
    while (!(ended = m_worker->wait(QDeadlineTimer(10))) && !deadline.hasExpired())
        QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    if (!ended) {
        // Held up outside this program (a disk that does not answer, say):
        // rather than hold up the caller, the worker is left to end by itself
        // and then deletes itself. It reads the stop request at its next
        // step, and the lock keeps any last progress call from reaching this
        // object once it is gone.
        while (!m_worker->noProgressPending())
            QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
        disconnect(m_worker.get(), nullptr, this, nullptr);
        THTTPGetThread* leftBehind = m_worker.release();
        connect(leftBehind, &QThread::finished, leftBehind, &QObject::deleteLater);
        if (leftBehind->isFinished())
            leftBehind->deleteLater();
    } else {
        disconnect(m_worker.get(), nullptr, this, nullptr);
    }
    QCoreApplication::removePostedEvents(this);
}

void THTTPGet::DownloadFile() {
    start(true);
}

void THTTPGet::DownloadString() {
    start(false);
}

void THTTPGet::Cancel() {
    if (m_worker)
        m_worker->cancel();
}

void THTTPGet::start(bool toFile) {
    if (m_worker)
        return;
    THTTPRequest request{.AcceptTypes = AcceptTypes,
                         .Agent = Agent,
                         .URL = URL,
                         .FileName = FileName,
                         .UserName = UserName,
                         .Password = Password,
                         .PostQuery = PostQuery,
                         .Referer = Referer,
                         .BinaryData = BinaryData,
                         .UseCache = UseCache,
                         .Port = Port,
                         .Limits = Limits,
                         .ReplaceExisting = ReplaceExisting};
    m_worker =
        std::make_unique<THTTPGetThread>(this, std::move(request), toFile, OnProgress, Check);
    // Attached before the worker runs, so even a transfer that ends at once is
    // reported; queued, so it runs on this thread after the run has ended.
    connect(
        m_worker.get(), &QThread::finished, this,
        [this] { callhandler([this] { TransferDone(); }); }, Qt::QueuedConnection);
    m_worker->start();
    if (!WaitThread)
        return;
    // Both the progress calls and the end of the transfer arrive as events,
    // so waiting for the next event loses nothing and does not spin.
    while (m_worker)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void THTTPGet::TransferDone() {
    if (!m_worker)
        return;
    m_worker->wait(); // finished is sent just before the thread is gone
    // From here the component is idle, so an event handler may start the next
    // transfer at once; the ended worker is released when this call returns.
    std::unique_ptr<THTTPGetThread> ended = std::move(m_worker);
    m_outcome = ended->outcome();
    m_failure = m_outcome ? TransferFailure{} : ended->failure();
    // A cancel alone made this transfer a failure.
    if (!m_outcome && m_failure.kind == TransferFailureKind::None)
        m_failure.kind = TransferFailureKind::Stopped;
    if (m_outcome && ended->toFile()) {
        if (OnDoneFile)
            OnDoneFile(this, ended->FileName(), ended->TotalSize());
    } else if (m_outcome) {
        if (OnDoneString)
            OnDoneString(this, ended->collectedText());
    } else if (OnError) {
        OnError(this);
    }
}
