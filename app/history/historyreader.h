#pragma once

#include "data/historyfile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <thread>

// Reads history.csv on a worker thread and hands the result to the owner's
// thread. A read asked for while one is under way runs once that one is done,
// so a burst of changes costs at most one more read. The destructor waits for
// the worker.
class HistoryReader final : public QObject {
    Q_OBJECT
public:
    using Result = std::shared_ptr<const HistoryContents>;
    // contents on success; otherwise null and the reason.
    using Done = std::function<void(const Result& contents, const QString& error)>;

    HistoryReader(std::string path, Done done, QObject* parent = nullptr);
    ~HistoryReader() override;

    void read();

private:
    void startWorker();
    void workerDone(const Result& contents, const QString& error);

    std::string m_path;
    Done m_done;
    std::thread m_worker;
    bool m_busy = false;
    bool m_again = false;
};
