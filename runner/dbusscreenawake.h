#pragma once

#include "runner/runaids.h"

#include <QDBusPendingCall>
#include <QString>

#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QDBusPendingCallWatcher;
class QObject;

// Keeps the screen awake through the desktop's screen saver service
// (org.freedesktop.ScreenSaver on the session bus, Inhibit and UnInhibit).
// The bus is reached only on the first hold(), on a worker thread, so the
// user-interface thread never waits for a bus that is slow to answer; the
// calls themselves are asynchronous. Where there is no session bus or no
// such service, nothing happens and nothing is printed. The destructor
// releases, waiting briefly so that every release, including one made just
// before, reaches the service before the program ends.
class DBusScreenAwake final : public ScreenAwake {
public:
    DBusScreenAwake();
    ~DBusScreenAwake() override;
    DBusScreenAwake(const DBusScreenAwake&) = delete;
    DBusScreenAwake& operator=(const DBusScreenAwake&) = delete;

    void hold() override;
    void release() override;

private:
    enum class Link { None, Connecting, Connected, Absent };
    struct Shared;

    void connectInBackground();
    void linked(bool connected);
    void inhibit();
    void inhibited(QDBusPendingCallWatcher* call);
    void uninhibit(uint cookie, int timeoutMs);
    void waitForReleases();

    std::shared_ptr<Shared> m_shared;
    // Reaches the bus; joined on destruction, so no thread of ours outlives
    // the owner (the wait is bounded by the bus library's own connect timeout).
    std::thread m_connector;
    std::unique_ptr<QObject> m_context; // replies and the worker's news arrive here
    QString m_connectionName;
    Link m_link = Link::None;
    bool m_wanted = false;                        // held and not released since
    QDBusPendingCallWatcher* m_pending = nullptr; // Inhibit sent, no answer yet
    std::optional<uint> m_cookie;                 // what the service gave for our Inhibit
    std::vector<QDBusPendingCall> m_releases;     // UnInhibit sent, maybe not answered yet
};
