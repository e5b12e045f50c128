#include "app/desktop/mprisservice.h"

#include "app/desktop/desktopbus.h"
#include "app/desktop/mprisadaptors.h"
#include "ui/textconv.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>

#include <unistd.h>

namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.stridewell");

} // namespace

MprisService::MprisService(DesktopBus& bus, std::function<MediaState(const RunMoment&)> stateOf,
                           MediaCommands commands)
    : m_bus(bus), m_stateOf(std::move(stateOf)), m_commands(std::move(commands)) {
    new MprisRootAdaptor(*this);
    new MprisPlayerAdaptor(*this);
}

MprisService::~MprisService() {
    if (m_serviceName.isEmpty())
        return;
    QDBusConnection connection(m_connectionName);
    connection.unregisterService(m_serviceName);
    connection.unregisterObject(kObjectPath);
}

void MprisService::showMoment(const RunMoment& moment) {
    const MediaState before = m_state;
    m_state = m_stateOf(moment);
    if (!m_asked && moment.state != RunState::Idle) {
        m_asked = true;
        m_bus.whenReady(this, [this](QDBusConnection& connection) { registerOn(connection); });
    }
    if (worthtelling(before, m_state))
        tell(before);
}

QVariantMap MprisService::metadata() const {
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"),
               QVariant::fromValue(QDBusObjectPath(
                   QStringLiteral("/org/stridewell/Stridewell/phase/%1").arg(m_track))));
    map.insert(QStringLiteral("mpris:length"), static_cast<qlonglong>(m_state.lengthMicroseconds));
    map.insert(QStringLiteral("xesam:title"), totext(m_state.title));
    map.insert(QStringLiteral("xesam:album"), totext(m_state.album));
    map.insert(QStringLiteral("xesam:comment"), QStringList{totext(m_state.comment)});
    return map;
}

void MprisService::registerOn(QDBusConnection& connection) {
    if (!connection.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors))
        return;
    // A second copy (on another data folder) takes a name of its own, as the
    // interface asks of players that run more than once.
    for (const QString& name :
         {kServiceName, kServiceName + QStringLiteral(".instance%1").arg(::getpid())}) {
        if (connection.registerService(name)) {
            m_serviceName = name;
            m_connectionName = connection.name();
            return;
        }
    }
    connection.unregisterObject(kObjectPath);
}

void MprisService::tell(const MediaState& before) {
    if (before.title != m_state.title || before.lengthMicroseconds != m_state.lengthMicroseconds ||
        before.album != m_state.album)
        ++m_track;
    if (m_serviceName.isEmpty())
        return;
    QVariantMap changed;
    changed.insert(QStringLiteral("PlaybackStatus"),
                   QString::fromLatin1(playbackname(m_state.playback)));
    changed.insert(QStringLiteral("Metadata"), metadata());
    changed.insert(QStringLiteral("CanGoNext"), m_state.canGoNext);
    changed.insert(QStringLiteral("CanGoPrevious"), m_state.canGoPrevious);
    changed.insert(QStringLiteral("CanPlay"), m_state.canPlay);
    changed.insert(QStringLiteral("CanPause"), m_state.canPause);
    QDBusMessage signal = QDBusMessage::createSignal(
        kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    QDBusConnection(m_connectionName).send(signal);
}
