#pragma once

#include "app/desktop/mediastate.h"
#include "runner/runview.h"

#include <QObject>
#include <QVariantMap>

#include <functional>

class DesktopBus;
class QDBusConnection;

// What the media controls may ask; each goes through what a click or a key
// does, with the same refusals.
struct MediaCommands {
    std::function<void()> play;
    std::function<void()> pause;
    std::function<void()> playPause;
    std::function<void()> next;
    std::function<void()> previous;
    std::function<void()> raise;
    std::function<void()> quit;
};

// The run on the desktop's media controls (MPRIS 2): one more view of the
// run. Once a circuit is loaded it owns org.mpris.MediaPlayer2.stridewell on
// the session bus (".instance<pid>" after it when another copy has it) with
// the MediaPlayer2 and MediaPlayer2.Player interfaces at /org/mpris/MediaPlayer2,
// and tells every change but the clock's through PropertiesChanged. The name
// goes when this does.
class MprisService final : public QObject, public RunView {
    Q_OBJECT
public:
    // stateOf: the run as the controls see it, given the moment just shown.
    MprisService(DesktopBus& bus, std::function<MediaState(const RunMoment&)> stateOf,
                 MediaCommands commands);
    ~MprisService() override;

    void showMoment(const RunMoment& moment) override;

    const MediaState& state() const { return m_state; }
    QVariantMap metadata() const;
    const MediaCommands& commands() const { return m_commands; }
    // The bus name owned, or empty.
    const QString& serviceName() const { return m_serviceName; }

private:
    void registerOn(QDBusConnection& connection);
    void tell(const MediaState& before);

    DesktopBus& m_bus;
    std::function<MediaState(const RunMoment&)> m_stateOf;
    MediaCommands m_commands;
    MediaState m_state;
    bool m_asked = false; // the bus was asked for, once a circuit was loaded
    QString m_serviceName;
    QString m_connectionName;
    int m_track = 0; // counts the phases told, for each one's track id
};
