#include "testsupport/privatebus.h"

#include <fstream>

PrivateBus::PrivateBus() {
    std::ofstream(m_folder.path() + "bus.conf")
        << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
           "1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig><type>session</type>\n"
           "<listen>unix:dir="
        << m_folder.path()
        << "</listen><auth>EXTERNAL</auth>\n"
           "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
           "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n";
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") +
                        QString::fromStdString(m_folder.path() + "bus.conf"),
                    QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(5000))
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
}

PrivateBus::~PrivateBus() {
    m_daemon.terminate();
    m_daemon.waitForFinished(5000);
}

SessionBusAddress::SessionBusAddress(const QString& address)
    : m_savedAddress(qgetenv("DBUS_SESSION_BUS_ADDRESS")), m_savedRuntime(qgetenv("XDG_RUNTIME_DIR")) {
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
}

SessionBusAddress::~SessionBusAddress() {
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_savedAddress);
    qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
}
