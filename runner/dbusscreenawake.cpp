#include "runner/dbusscreenawake.h"

#include "ui/errorguard.h"
#include "ui/sessionbus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QElapsedTimer>
#include <QObject>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kInterface = QStringLiteral("org.freedesktop.ScreenSaver");
constexpr int kCallTimeoutMs = 1500;
constexpr int kLastCallMs = 250;

QDBusMessage screenSaverCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

std::atomic<int> g_connections{0};

} // namespace

// What the worker and the owner share: the worker reports back only while
// the owner is alive.
struct DBusScreenAwake::Shared {
    std::mutex lock;
    bool ownerAlive = true;
};

DBusScreenAwake::DBusScreenAwake()
    : m_shared(std::make_shared<Shared>()), m_context(std::make_unique<QObject>()),
      m_connectionName(QStringLiteral("stridewell-screenawake-%1").arg(++g_connections)) {}

DBusScreenAwake::~DBusScreenAwake() {
    {
        std::lock_guard lock(m_shared->lock);
        m_shared->ownerAlive = false;
    }
    QElapsedTimer quitting;
    quitting.start();
    m_wanted = true; // an answer still to come is kept, and released below
    if (QDBusPendingCallWatcher* const inhibiting = m_pending) {
        // Bounded by the call's own timeout. Waiting usually hands the answer
        // to inhibited() there and then, which deletes the watcher later.
        inhibiting->waitForFinished();
        if (m_pending == inhibiting)
            inhibited(inhibiting);
    }
    // The releases already sent and the one still to send must have reached
    // the service before the connection closes: closing drops what is still
    // queued. (A service also drops what a client that left held.) The last
    // one gets what is left of the quit's allowance, or a short time: the
    // service has just answered.
    if (m_cookie)
        uninhibit(*m_cookie, std::max(kCallTimeoutMs - int(quitting.elapsed()), kLastCallMs));
    waitForReleases();
    if (m_connector.joinable())
        m_connector.join();
    m_context.reset(); // drops the worker's news and replies still on their way
    if (m_link == Link::Connected)
        QDBusConnection::disconnectFromBus(m_connectionName);
}

void DBusScreenAwake::hold() {
    m_wanted = true;
    switch (m_link) {
    case Link::None:
        connectInBackground();
        break;
    case Link::Connected:
        if (!m_cookie && !m_pending)
            inhibit();
        break;
    case Link::Connecting: // inhibits once connected
    case Link::Absent:
        break;
    }
}

void DBusScreenAwake::release() {
    m_wanted = false;
    if (m_cookie) {
        uninhibit(*m_cookie, kCallTimeoutMs);
        m_cookie.reset();
    }
    // An Inhibit still on its way is undone when its answer comes.
}

void DBusScreenAwake::connectInBackground() {
    m_link = Link::Connecting;
    m_connector = std::thread([shared = m_shared, name = m_connectionName,
                               context = m_context.get(), this] {
        const QString address = sessionbusaddress();
        const bool connected =
            !address.isEmpty() && QDBusConnection::connectToBus(address, name).isConnected();
        std::lock_guard lock(shared->lock);
        if (!shared->ownerAlive) {
            QDBusConnection::disconnectFromBus(name);
            return;
        }
        QMetaObject::invokeMethod(
            context, [this, connected] { guarded(nullptr, [&] { linked(connected); }); },
            Qt::QueuedConnection);
    });
}

void DBusScreenAwake::linked(bool connected) {
    if (!connected) {
        // A failed connection is still registered under its name.
        QDBusConnection::disconnectFromBus(m_connectionName);
        m_link = Link::Absent;
        return;
    }
    m_link = Link::Connected;
    if (m_wanted)
        inhibit();
}

void DBusScreenAwake::inhibit() {
    QDBusMessage call = screenSaverCall(QStringLiteral("Inhibit"));
    //: Why the screen saver is held off, as the desktop may list it.
    call << QStringLiteral("Stridewell")
         << QCoreApplication::translate("DBusScreenAwake", "A circuit is running");
    const QDBusPendingCall reply =
        QDBusConnection(m_connectionName).asyncCall(call, kCallTimeoutMs);
    m_pending = new QDBusPendingCallWatcher(reply, m_context.get());
    QObject::connect(m_pending, &QDBusPendingCallWatcher::finished, m_context.get(),
                     [this](QDBusPendingCallWatcher* finished) {
                         guarded(nullptr, [&] { inhibited(finished); });
                     });
}

void DBusScreenAwake::inhibited(QDBusPendingCallWatcher* call) {
    if (call != m_pending)
        return;
    m_pending = nullptr;
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isError())
        return; // no such service: the screen is the desktop's business
    if (m_wanted)
        m_cookie = reply.value();
    else
        uninhibit(reply.value(), kCallTimeoutMs); // released while the answer was on its way
}

void DBusScreenAwake::uninhibit(uint cookie, int timeoutMs) {
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << cookie;
    // Answered releases need no more thought; the rest are waited for on quitting.
    std::erase_if(m_releases, [](const QDBusPendingCall& sent) { return sent.isFinished(); });
    m_releases.push_back(QDBusConnection(m_connectionName).asyncCall(call, timeoutMs));
}

void DBusScreenAwake::waitForReleases() {
    // Each wait is bounded by its call's own timeout. The calls were sent in
    // order, so once one has gone unanswered, the service is not answering:
    // waiting for the later ones would only hold the quit up further.
    for (QDBusPendingCall& sent : m_releases) {
        sent.waitForFinished();
        const QDBusError::ErrorType error = sent.error().type();
        if (error == QDBusError::NoReply || error == QDBusError::Timeout)
            break;
    }
    m_releases.clear();
}
