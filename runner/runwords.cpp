#include "runner/runwords.h"

#include "data/durationtext.h"
#include "data/textencoding.h"
#include "runner/runaids.h"
#include "runner/runview.h"

namespace {

QString nameOf(const RunText& text) {
    // A circuit file may hold Latin-1; the words around the name are UTF-8.
    return QString::fromStdString(asutf8(text.name));
}

} // namespace

std::string RunWords::text(const RunText& text) {
    const QString name = nameOf(text);
    const QString reps = QString::number(text.reps);
    QString words;
    switch (text.id) {
    case RunTextId::CircuitName:
        return text.name; // shown byte for byte, as the catalogue shows it
    case RunTextId::NoExercises:
        //: The runner's status label, after Start on a circuit without exercises.
        words = tr("This circuit has no exercises");
        break;
    case RunTextId::Stopped:
        //: The runner's status label while a run is paused. Large type on one line: keep it short.
        words = tr("Stopped");
        break;
    case RunTextId::Finished:
        //: The runner's status label once the circuit has run to its end. Keep it short.
        words = tr("Finished", "status label");
        break;
    case RunTextId::WarmUp:
        //: The runner's status label during the warm-up phase. Keep it short.
        words = tr("Warm-up", "status label");
        break;
    case RunTextId::CoolDown:
        //: The runner's status label during the cool-down phase. Keep it short.
        words = tr("Cool-down", "status label");
        break;
    case RunTextId::Next:
        //: The runner's status label during a rest; %1 is the exercise due next.
        //: Large type on one line of about 480 pixels with the name: keep it short.
        words = tr("Next: %1", "status label").arg(name);
        break;
    case RunTextId::Now:
        //: The runner's status label during an exercise; %1 is the exercise.
        //: Large type on one line of about 480 pixels with the name: keep it short.
        words = tr("Now: %1", "status label").arg(name);
        break;
    case RunTextId::NowReps:
        //: The runner's status label during a repetition exercise: %1 repetitions
        //: of the exercise %2 ("Now: 15 x Push-Up"). Large type on one line: keep it short.
        words = tr("Now: %1 x %2", "status label").arg(reps, name);
        break;
    case RunTextId::LastExercise:
        //: On the big clock, in small type under the status during the last exercise
        //: of the circuit, where "Next: %1" names the exercise that follows the others.
        words = tr("Last exercise");
        break;
    case RunTextId::SayWarmUp:
        //: Spoken aloud as the warm-up begins.
        words = tr("Warm-up", "spoken");
        break;
    case RunTextId::SayCoolDown:
        //: Spoken aloud as the cool-down begins.
        words = tr("Cool-down", "spoken");
        break;
    case RunTextId::SayNext:
        //: Spoken aloud as a rest begins; %1 is the exercise due next.
        words = tr("Next: %1", "spoken").arg(name);
        break;
    case RunTextId::SayNextReps:
        //: Spoken aloud as a rest begins: %1 repetitions of the exercise %2 come
        //: next ("Next: 15 Push-Up").
        words = tr("Next: %1 %2", "spoken").arg(reps, name);
        break;
    case RunTextId::SayName:
        words = name; // the exercise's name alone, in every language
        break;
    case RunTextId::SayReps:
        //: Spoken aloud as a repetition exercise begins: %1 repetitions of the
        //: exercise %2 ("15 Push-Up").
        words = tr("%1 %2", "spoken repetitions").arg(reps, name);
        break;
    case RunTextId::SaySwitchSides:
        //: Spoken aloud halfway through a one-sided exercise: do the other side now.
        words = tr("Switch sides");
        break;
    case RunTextId::SayFinished:
        //: Spoken aloud as the circuit ends.
        words = tr("Circuit finished");
        break;
    }
    if (text.round >= 2)
        //: Spoken aloud as round %1 of %2 begins; %3 is the phrase of the phase
        //: that begins with it, e.g. "Next: Squat".
        words = tr("Round %1 of %2. %3")
                    .arg(QString::number(text.round), QString::number(text.rounds), words);
    return words.toStdString();
}

std::string RunWords::timeLeftLine(const RunMoment& moment) {
    if (!moment.planned)
        return {};
    const QString left = QString::fromStdString(shortdurationtext(moment.circuitLeft));
    const QString position = QString::number(moment.position);
    const QString count = QString::number(moment.count);
    QString line;
    if (moment.rounds > 1)
        //: Below the runner's clock: %1 the circuit's time left ("12:34"), at
        //: exercise %2 of %3, in round %4 of %5. The line is 160 pixels wide in
        //: 11-pixel type: abbreviate rather than lengthen.
        line = tr("%1 left · %2 / %3 · round %4 / %5")
                   .arg(left, position, count, QString::number(moment.round),
                        QString::number(moment.rounds));
    else
        //: Below the runner's clock: %1 the circuit's time left ("12:34"), at
        //: exercise %2 of %3. The line is 160 pixels wide in 11-pixel type.
        line = tr("%1 left · %2 / %3").arg(left, position, count);
    return line.toStdString();
}

QString RunWords::historyNotSaved(const std::string& reason) {
    //: %1 is the system's reason, e.g. "No space left on device".
    return tr("Your training history could not be saved (%1). The run goes on, but it will be "
              "missing from the history.")
        .arg(QString::fromStdString(asutf8(reason)));
}

std::string RunWords::spokenLanguage() {
    //: Not shown: the espeak-ng voice that speaks this translation, as its
    //: language code: de, fr, es, it, pt-br, nl, pl, ...
    const std::string code = tr("en", "espeak-ng voice").toStdString();
    // Anything but a plain code ("pt-br") would be handed to espeak-ng blind.
    const bool plain = !code.empty() && code.size() <= 16 &&
                       code.find_first_not_of("abcdefghijklmnopqrstuvwxyz-") == std::string::npos;
    return plain ? code : "en";
}

// The views' and the announcer's defaults: the named text, worded.

void RunView::showStatus(const RunText& status) {
    setStatus(RunWords::text(status));
}

void RunView::tellMoment(RunMoment moment) {
    moment.status = RunWords::text(moment.statusText);
    moment.nextStatus = RunWords::text(moment.nextStatusText);
    moment.upNext = moment.upNextText ? RunWords::text(*moment.upNextText) : std::string();
    moment.timeLeftLine = RunWords::timeLeftLine(moment);
    showMoment(moment);
}

void RunAnnouncer::preparePhrase(const RunText& phrase) {
    prepare(RunWords::text(phrase));
}

void RunAnnouncer::speakPhrase(const RunText& phrase) {
    speak(RunWords::text(phrase));
}
