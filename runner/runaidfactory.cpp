#include "runner/runaidfactory.h"

#include "runner/cueplayer.h"
#include "runner/dbusscreenawake.h"
#include "runner/runwords.h"
#include "runner/soundannouncer.h"
#include "ui/pictures.h"

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
    return std::make_unique<SoundAnnouncer>(asset(QStringLiteral("tick.wav")),
                                            RunWords::spokenLanguage());
}

std::unique_ptr<ScreenAwake> makeScreenAwake() {
    return std::make_unique<DBusScreenAwake>();
}

RunAidParts makeRunAids() {
    return {makeCue(), makeRunAnnouncer(), makeScreenAwake()};
}
