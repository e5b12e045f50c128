#include "runaids.h"

#include "dbusscreenawake.h"
#include "pictures.h"
#include "soundannouncer.h"

std::unique_ptr<RunAnnouncer> makeRunAnnouncer() {
    const QByteArray tick = assetbytes(QStringLiteral("tick.wav"));
    return std::make_unique<SoundAnnouncer>(
        std::string(tick.constData(), static_cast<size_t>(tick.size())));
}

std::unique_ptr<ScreenAwake> makeScreenAwake() {
    return std::make_unique<DBusScreenAwake>();
}
