#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

// When the session ends the program (SIGTERM, SIGHUP) or Ctrl+C reaches it
// (SIGINT), it ends as if the user had closed its windows: each window is
// asked to close, so a run left part-way is kept in the history, the screen
// saver is released and the lock is given up, and then the event loop ends.
// Without this the signal would end the process on the spot.
class QuitOnSignal final : public QObject {
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override; // the signals' earlier handlers come back

    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

private:
    void signalArrived();

    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};
    std::array<struct sigaction, kSignals.size()> m_earlier{};
    QSocketNotifier* m_notifier = nullptr;
};
