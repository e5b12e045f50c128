#include "app/history/historyreader.h"

#include <exception>

HistoryReader::HistoryReader(std::string path, Done done, QObject* parent)
    : QObject(parent), m_path(std::move(path)), m_done(std::move(done)) {}

HistoryReader::~HistoryReader() {
    // Its report, if still queued, is dropped with this object.
    if (m_worker.joinable())
        m_worker.join();
}

void HistoryReader::read() {
    if (m_busy) {
        m_again = true;
        return;
    }
    startWorker();
}

void HistoryReader::startWorker() {
    if (m_worker.joinable())
        m_worker.join();
    m_busy = true;
    m_again = false;
    m_worker = std::thread([this, path = m_path] {
        Result contents;
        QString error;
        try {
            contents = std::make_shared<const HistoryContents>(readhistory(path));
        } catch (const std::exception& failure) {
            error = QString::fromUtf8(failure.what());
        }
        QMetaObject::invokeMethod(
            this, [this, contents, error] { workerDone(contents, error); }, Qt::QueuedConnection);
    });
}

void HistoryReader::workerDone(const Result& contents, const QString& error) {
    m_worker.join();
    m_busy = false;
    if (m_again)
        startWorker();
    if (m_done)
        m_done(contents, error);
}
