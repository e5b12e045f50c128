#include "runner/runaidfactory.h"

#include "runner/cueplayer.h"
#include "runner/dbusscreenawake.h"
#include "runner/runwords.h"
#include "runner/soundannouncer.h"
#include "ui/pictures.h"

#include <iterator>
#include <string>
#include <vector>

namespace {

std::string asset(const QString& name) {
    const QByteArray bytes = assetbytes(name);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The cue's sounds in CueTone's order; each is made by the script of its name
// in assets/ (make_cue.py, make_cue_bell.py, ...).
const char* const kCueWaves[] = {"cue.wav", "cue_bell.wav", "cue_doublebeep.wav", "cue_gong.wav"};
static_assert(std::size(kCueWaves) == kCueToneCount);

} // namespace

std::unique_ptr<CueSound> makeCue() {
    std::vector<std::string> waves;
    for (const char* name : kCueWaves)
        waves.push_back(asset(QLatin1String(name)));
    return std::make_unique<CuePlayer>(std::move(waves));
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
