#pragma once

#include "ui/sessionbus.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <thread>
#include <vector>

// The program's link to the session bus for the desktop's services: the media
// controls, the notice at the finish and the door for a second start. It
// connects on a worker thread once start() is called (after the launcher is
// on the screen), so start-up never waits for a bus; whatever needs it asks
// whenReady(). Without a session bus nothing is ever ready and nothing is
// printed. The names the program owns go with the connection when this ends.
class DesktopBus final : public QObject {
public:
    explicit DesktopBus(QString address = sessionbusaddress());
    ~DesktopBus() override;
    DesktopBus(const DesktopBus&) = delete;
    DesktopBus& operator=(const DesktopBus&) = delete;

    // The program's link while it lives, else null.
    static DesktopBus* instance();

    // Starts connecting; later calls do nothing.
    void start();
    // Runs `use` on this thread once connected (at once when already), as
    // long as `context` lives. Never when there is no bus.
    void whenReady(QObject* context, std::function<void(QDBusConnection&)> use);
    bool ready() const { return m_state == State::Connected; }

private:
    enum class State { Idle, Connecting, Connected, Absent };
    struct Waiting {
        QPointer<QObject> context;
        std::function<void(QDBusConnection&)> use;
    };
    void linked(bool connected);

    QString m_address;
    QString m_name;
    State m_state = State::Idle;
    bool m_tried = false; // a connection by m_name was asked for
    std::vector<Waiting> m_waiting;
    QDBusConnection m_connection{QString()};
    std::thread m_connector;
};
