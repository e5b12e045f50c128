#include "runner/runsettings.h"

#include "data/ioerror.h"

#include "data/apppaths.h"
#include "data/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <iterator>
#include <string>

namespace {

const char kGroup[] = "Runner";
const char kSpeakNames[] = "SpeakExerciseNames";
const char kCountdown[] = "CountDown";
const char kKeepAwake[] = "KeepScreenAwake";
const char kSound[] = "Sound";
const char kVolume[] = "Volume";
const char kBigClockElsewhere[] = "BigClockOnOtherScreen";
const char kExactIntervals[] = "ExactIntervals";

// The sounds' words in the file, in CueTone's order.
const char* const kToneWords[] = {"chime", "bell", "doublebeep", "gong"};
static_assert(std::size(kToneWords) == kCueToneCount);

// Larger than any file this program writes by far: a file this big is not
// ours, and is not read.
constexpr qint64 kMaxFileSize = 64 * 1024;

bool flag(const QSettings& settings, const char* key, bool fallback) {
    const QString value = settings.value(QLatin1String(key)).toString().trimmed().toLower();
    if (value == QLatin1String("true") || value == QLatin1String("1"))
        return true;
    if (value == QLatin1String("false") || value == QLatin1String("0"))
        return false;
    return fallback;
}

const char* text(bool value) {
    return value ? "true" : "false";
}

CueTone tone(const QSettings& settings, CueTone fallback) {
    const QString value = settings.value(QLatin1String(kSound)).toString().trimmed().toLower();
    for (int i = 0; i < kCueToneCount; ++i)
        if (value == QLatin1String(kToneWords[i]))
            return static_cast<CueTone>(i);
    return fallback;
}

// One of the menu's steps, 10 to 100; "55", "0" or "loud" are not.
int volume(const QSettings& settings, int fallback) {
    bool number = false;
    const int value = settings.value(QLatin1String(kVolume)).toString().trimmed().toInt(&number);
    if (!number || value < kVolumeStep || value > kFullVolume || value % kVolumeStep != 0)
        return fallback;
    return value;
}

} // namespace

RunSettings::RunSettings() : RunSettings(pathIn(applicationfolder())) {}

std::string RunSettings::pathIn(const std::string& folder) {
    return folder + "stridewell.ini";
}

RunSettings::RunSettings(std::string path) : m_path(std::move(path)) {}

RunOptions RunSettings::load() const {
    const RunOptions defaults;
    const QString file = QFile::decodeName(QByteArray::fromStdString(m_path));
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable() || info.size() > kMaxFileSize)
        return defaults;
    QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return defaults;
    settings.beginGroup(QLatin1String(kGroup));
    RunOptions options;
    options.speakNames = flag(settings, kSpeakNames, defaults.speakNames);
    options.countdown = flag(settings, kCountdown, defaults.countdown);
    options.keepAwake = flag(settings, kKeepAwake, defaults.keepAwake);
    options.cueTone = tone(settings, defaults.cueTone);
    options.volume = volume(settings, defaults.volume);
    options.bigClockElsewhere = flag(settings, kBigClockElsewhere, defaults.bigClockElsewhere);
    options.exactIntervals = flag(settings, kExactIntervals, defaults.exactIntervals);
    return options;
}

namespace {

// The lines of the file that are not the run options' own (language=, a
// section someone added), to be written back as they were. Nothing from a
// file this program would not read.
std::string otherLines(const std::string& path) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    const QFileInfo info(file);
    QFile in(file);
    if (!info.isFile() || info.size() > kMaxFileSize)
        return {};
    // A file that is there but cannot be read is not replaced by one without
    // its other lines.
    if (!in.open(QIODevice::ReadOnly))
        throw IoError(ioerrortext(EACCES, false));
    std::string kept;
    bool ours = false;
    for (QByteArray line : in.readAll().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray text = line.trimmed();
        if (text.startsWith('['))
            ours = text == QByteArray("[") + kGroup + "]";
        if (!ours && !text.isEmpty())
            kept += line.toStdString() + "\n";
    }
    return kept;
}

} // namespace

void RunSettings::save(const RunOptions& options) const {
    // Written as QSettings writes its INI files, but through the program's own
    // atomic save: a kill at any moment leaves the old file or the new one.
    // Whatever else the file says (the language) stays.
    std::string bytes = otherLines(m_path);
    bytes += "[" + std::string(kGroup) + "]\n";
    bytes += std::string(kSpeakNames) + "=" + text(options.speakNames) + "\n";
    bytes += std::string(kCountdown) + "=" + text(options.countdown) + "\n";
    bytes += std::string(kKeepAwake) + "=" + text(options.keepAwake) + "\n";
    // Written only once changed: a file of someone who never touched them
    // stays as earlier versions wrote it.
    const RunOptions defaults;
    if (options.cueTone != defaults.cueTone)
        bytes += std::string(kSound) + "=" + kToneWords[static_cast<int>(options.cueTone)] + "\n";
    if (options.volume != defaults.volume)
        bytes += std::string(kVolume) + "=" + std::to_string(options.volume) + "\n";
    if (options.bigClockElsewhere != defaults.bigClockElsewhere)
        bytes += std::string(kBigClockElsewhere) + "=" + text(options.bigClockElsewhere) + "\n";
    if (options.exactIntervals != defaults.exactIntervals)
        bytes += std::string(kExactIntervals) + "=" + text(options.exactIntervals) + "\n";
    writefileatomically(m_path, bytes);
}
