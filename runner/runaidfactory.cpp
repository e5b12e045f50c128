#include "runaidfactory.h"

#include "cueplayer.h"
#include "dbusscreenawake.h"
#include "pictures.h"
#include "soundannouncer.h"

namespace {

std::string asset(const QString& name) {
    const QByteArray bytes = assetbytes(name);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

std::unique_ptr<CueSound> makeCue() {
    return std::make_unique<CuePlayer>(asset(QStringLiteral("cue.wav")));
}

std::unique_ptr<RunAnnouncer> makeRunAnnouncer() {
    return std::make_unique<SoundAnnouncer>(asset(QStringLiteral("tick.wav")));
}

std::unique_ptr<ScreenAwake> makeScreenAwake() {
    return std::make_unique<DBusScreenAwake>();
}

RunAidParts makeRunAids() {
    return {makeCue(), makeRunAnnouncer(), makeScreenAwake()};
}
