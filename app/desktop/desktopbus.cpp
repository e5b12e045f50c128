#include "app/desktop/desktopbus.h"

#include "ui/errorguard.h"

#include <QMetaObject>

#include <atomic>

namespace {

DesktopBus* g_instance = nullptr;
std::atomic<int> g_links{0};

} // namespace

DesktopBus::DesktopBus(QString address)
    : m_address(std::move(address)),
      m_name(QStringLiteral("stridewell-desktop-%1").arg(++g_links)) {
    if (!g_instance)
        g_instance = this;
}

DesktopBus::~DesktopBus() {
    // Bounded by the bus library's own connect timeout.
    if (m_connector.joinable())
        m_connector.join();
    m_connection = QDBusConnection(QString());
    if (m_tried)
        QDBusConnection::disconnectFromBus(m_name);
    if (g_instance == this)
        g_instance = nullptr;
}

DesktopBus* DesktopBus::instance() {
    return g_instance;
}

void DesktopBus::start() {
    if (m_state != State::Idle)
        return;
    if (m_address.isEmpty()) {
        m_state = State::Absent;
        return;
    }
    m_state = State::Connecting;
    m_tried = true;
    m_connector = std::thread([this, address = m_address, name = m_name] {
        const bool connected = QDBusConnection::connectToBus(address, name).isConnected();
        QMetaObject::invokeMethod(this, [this, connected] { linked(connected); },
                                  Qt::QueuedConnection);
    });
}

void DesktopBus::linked(bool connected) {
    m_state = connected ? State::Connected : State::Absent;
    if (connected)
        m_connection = QDBusConnection(m_name);
    std::vector<Waiting> waiting;
    waiting.swap(m_waiting);
    if (!connected)
        return;
    for (Waiting& each : waiting)
        if (each.context)
            guarded(nullptr, [&] { each.use(m_connection); });
}

void DesktopBus::whenReady(QObject* context, std::function<void(QDBusConnection&)> use) {
    if (m_state == State::Connected) {
        guarded(nullptr, [&] { use(m_connection); });
        return;
    }
    if (m_state != State::Absent)
        m_waiting.push_back({context, std::move(use)});
}
