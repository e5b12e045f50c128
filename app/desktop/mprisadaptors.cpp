#include "app/desktop/mprisadaptors.h"

#include "app/desktop/mprisservice.h"
#include "ui/errorguard.h"

#include <QGuiApplication>

namespace {

// A command from the bus runs as a click's reaction does.
void perform(const std::function<void()>& command) {
    if (command)
        guarded(nullptr, command);
}

} // namespace

MprisRootAdaptor::MprisRootAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), m_service(service) {}

QString MprisRootAdaptor::identity() const {
    return QStringLiteral("Stridewell");
}

QString MprisRootAdaptor::desktopEntry() const {
    return QGuiApplication::desktopFileName();
}

void MprisRootAdaptor::Raise() {
    perform(m_service.commands().raise);
}

void MprisRootAdaptor::Quit() {
    perform(m_service.commands().quit);
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), m_service(service) {}

QString MprisPlayerAdaptor::playbackStatus() const {
    return QString::fromLatin1(playbackname(m_service.state().playback));
}

QVariantMap MprisPlayerAdaptor::metadata() const {
    return m_service.metadata();
}

qlonglong MprisPlayerAdaptor::position() const {
    return m_service.state().positionMicroseconds;
}

bool MprisPlayerAdaptor::canGoNext() const {
    return m_service.state().canGoNext;
}

bool MprisPlayerAdaptor::canGoPrevious() const {
    return m_service.state().canGoPrevious;
}

bool MprisPlayerAdaptor::canPlay() const {
    return m_service.state().canPlay;
}

bool MprisPlayerAdaptor::canPause() const {
    return m_service.state().canPause;
}

void MprisPlayerAdaptor::Next() {
    perform(m_service.commands().next);
}

void MprisPlayerAdaptor::Previous() {
    perform(m_service.commands().previous);
}

void MprisPlayerAdaptor::Pause() {
    perform(m_service.commands().pause);
}

void MprisPlayerAdaptor::PlayPause() {
    perform(m_service.commands().playPause);
}

void MprisPlayerAdaptor::Stop() {
    // The runner's Stop is a pause: Start goes on with the same run.
    perform(m_service.commands().pause);
}

void MprisPlayerAdaptor::Play() {
    perform(m_service.commands().play);
}
