#pragma once

#include "testsupport/tempfolder.h"

#include <QByteArray>
#include <QProcess>
#include <QString>

// A session bus of the test's own (a real dbus-daemon), gone with it.
class PrivateBus final {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the daemon could not start.
    const QString& address() const { return m_address; }

private:
    TempFolder m_folder;
    QProcess m_daemon;
    QString m_address;
};

// Points DBUS_SESSION_BUS_ADDRESS (and XDG_RUNTIME_DIR) elsewhere for as long
// as it lives.
class SessionBusAddress final {
public:
    explicit SessionBusAddress(const QString& address);
    ~SessionBusAddress();
    SessionBusAddress(const SessionBusAddress&) = delete;
    SessionBusAddress& operator=(const SessionBusAddress&) = delete;

private:
    QByteArray m_savedAddress;
    QByteArray m_savedRuntime;
};
