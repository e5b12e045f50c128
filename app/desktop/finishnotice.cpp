#include "app/desktop/finishnotice.h"

#include "app/desktop/desktopbus.h"
#include "data/circuitfile.h"
#include "data/durationtext.h"
#include "runner/runwords.h"
#include "ui/errorguard.h"
#include "ui/textconv.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");

QDBusMessage notificationsCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

// A server that reads markup in the body would read a name's "<" as a tag.
QString escapedForMarkup(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

FinishNotice::FinishNotice(DesktopBus& bus, std::function<bool()> windowsActive,
                           std::function<void()> raise)
    : m_bus(bus), m_windowsActive(std::move(windowsActive)), m_raise(std::move(raise)) {}

void FinishNotice::runStarted(const TCircuit2& circuit, int) {
    m_circuitName = circuit.circuitname;
}

QString FinishNotice::bodyText(const std::string& circuitName, int64_t seconds) {
    //: The second line of the notice at a run's finish; %1 is the time run: "12:34".
    return totext(circuitName) + QLatin1Char('\n') +
           QCoreApplication::translate("FinishNotice", "Trained for %1")
               .arg(totext(durationtext(static_cast<uint64_t>(std::max<int64_t>(seconds, 0)))));
}

void FinishNotice::runFinished() {
    const int64_t seconds = m_seconds;
    m_seconds = 0;
    if (m_windowsActive && m_windowsActive())
        return;
    const QString summary = QString::fromStdString(RunWords::text({RunTextId::SayFinished}));
    const QString body = bodyText(m_circuitName, seconds);
    m_bus.whenReady(this, [this, summary, body](QDBusConnection& connection) {
        notify(connection, summary, body);
    });
}

void FinishNotice::notify(QDBusConnection& connection, const QString& summary, const QString& body) {
    if (!m_listening) {
        m_listening = connection.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"),
                                         this, SLOT(actionInvoked(uint, QString)));
    }
    // The body is plain text; a server that reads markup gets it escaped.
    auto* capabilities = new QDBusPendingCallWatcher(
        connection.asyncCall(notificationsCall(QStringLiteral("GetCapabilities"))), this);
    const QString connectionName = connection.name();
    connect(capabilities, &QDBusPendingCallWatcher::finished, this,
            [this, summary, body, connectionName](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                guarded(nullptr, [&] { send(connectionName, *call, summary, body); });
            });
}

void FinishNotice::send(const QString& connectionName, const QDBusPendingCall& capabilities,
                        const QString& summary, const QString& body) {
    const QDBusPendingReply<QStringList> reply = capabilities;
    if (reply.isError())
        return; // no notification service: nothing is shown
    const bool markup = reply.value().contains(QStringLiteral("body-markup"));
    QDBusMessage message = notificationsCall(QStringLiteral("Notify"));
    message << QGuiApplication::applicationDisplayName() << m_shown
            << QGuiApplication::desktopFileName() << summary
            << (markup ? escapedForMarkup(body) : body)
            << QStringList{kDefaultAction,
                           //: The notice's button that brings the window forward.
                           QCoreApplication::translate("FinishNotice", "Show")}
            << QVariantMap{{QStringLiteral("desktop-entry"), QGuiApplication::desktopFileName()}}
            << -1;
    auto* shown =
        new QDBusPendingCallWatcher(QDBusConnection(connectionName).asyncCall(message), this);
    connect(shown, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* notified) {
        notified->deleteLater();
        const QDBusPendingReply<uint> id = *notified;
        if (!id.isError())
            m_shown = id.value();
    });
}

void FinishNotice::actionInvoked(uint id, const QString& action) {
    if (id == 0 || id != m_shown || action != kDefaultAction)
        return;
    guarded(nullptr, [this] {
        if (m_raise)
            m_raise();
    });
}
