#include "app/mainwindow/runnerassembly.h"

#include "data/historyfile.h"
#include "runner/bigclock.h"
#include "runner/bigclockscreen.h"
#include "runner/circuitstartframe.h"
#include "runner/runoptionsmenu.h"
#include "runner/runrecorder.h"
#include "runner/runsettings.h"
#include "runner/runwords.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/textconv.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

bool isTextField(const QWidget* widget) {
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return !text->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return !plain->isReadOnly();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

// Whether typing goes into a text field the user can see. A field left with
// the focus under the runner cannot be seen, and does not hold the keys back.
bool visibleTextFieldHasFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !isTextField(focus) || !focus->isVisible())
        return false;
    QWidget* window = focus->window();
    const QWidget* top = window->childAt(focus->mapTo(window, focus->rect().center()));
    return top == focus || (top && focus->isAncestorOf(top));
}

enum class RunKeyAction { StartOrStop, SkipForward, SkipBack, RepetitionsDone };

struct RunKey {
    Qt::Key key;
    RunKeyAction action;
};

// The keys that drive the run, in the runner's window and in the big clock.
constexpr RunKey kRunKeys[] = {
    {Qt::Key_Space, RunKeyAction::StartOrStop},     {Qt::Key_Right, RunKeyAction::SkipForward},
    {Qt::Key_PageDown, RunKeyAction::SkipForward},  {Qt::Key_Left, RunKeyAction::SkipBack},
    {Qt::Key_PageUp, RunKeyAction::SkipBack},       {Qt::Key_Return, RunKeyAction::RepetitionsDone},
    {Qt::Key_Enter, RunKeyAction::RepetitionsDone},
};

void drive(CircuitRun& run, RunKeyAction action) {
    switch (action) {
    case RunKeyAction::StartOrStop:
        run.startOrStop();
        break;
    case RunKeyAction::SkipForward:
        run.skipForward();
        break;
    case RunKeyAction::SkipBack:
        run.skipBack();
        break;
    case RunKeyAction::RepetitionsDone:
        run.repetitionsDone();
        break;
    }
}

// A key of the window that owner lies in, live while owner is shown. A held
// key acts once.
QShortcut* windowKey(QWidget* owner, Qt::Key key) {
    auto* shortcut = new QShortcut(QKeySequence(key), owner);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    return shortcut;
}

ScreenArea areaOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The screen the big clock is to fill (bigclockscreen.h); null without any.
QScreen* bigClockScreenFor(const QWidget& window, bool elsewhere) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return nullptr;
    std::vector<ScreenArea> areas;
    for (const QScreen* screen : screens)
        areas.push_back(areaOf(screen->geometry()));
    const qsizetype own = screens.indexOf(window.screen());
    const size_t ownIndex = own < 0 ? areas.size() : static_cast<size_t>(own);
    return screens[static_cast<qsizetype>(
        bigClockScreen(areas, areaOf(window.frameGeometry()), ownIndex, elsewhere))];
}

} // namespace

RunnerAssembly::RunnerAssembly(Tframe_ExerciseStart& frame, const std::string& dataFolder,
                               RunAidParts aids)
    : QObject(&frame), m_frame(frame), m_aids(std::move(aids)) {
    CircuitRun& run = frame.run();
    run.setAids(m_aids.borrowed());

    // Every run worth keeping goes into the training history.
    m_recorder = std::make_unique<RunRecorder>(
        [history = historypath(dataFolder)](const HistoryEntry& entry) {
            appendhistory(history, entry);
        },
        [] { return std::time(nullptr); },
        [this](const std::string& reason) {
            historyNotWritten(RunWords::historyNotSaved(reason).toStdString());
        });
    run.setObserver(m_recorder.get());

    auto* options = new RunOptionsMenu(
        &frame, [this](const RunOptions& chosen) { applyOptions(chosen); },
        RunSettings(RunSettings::pathIn(dataFolder)));
    // Heard only when chosen: the cue alone, nothing else of the run.
    connect(options, &RunOptionsMenu::soundChosen, this, [this] {
        if (m_aids.cue)
            m_aids.cue->preview();
    });

    // The sound device opens on a worker thread; the runner does not wait for it.
    if (m_aids.cue)
        m_aids.cue->prepare();

    connect(&frame, &Tframe_ExerciseStart::clockDoubleClicked, this,
            [this] { guarded(&m_frame, [this] { toggleBigClock(); }); });
    addRunnerKeys();
}

RunnerAssembly::~RunnerAssembly() {
    // A run written as the program closes has no window left to tell.
    for (const std::string& text : m_untold)
        std::fprintf(stderr, "%s\n", text.c_str());
}

void RunnerAssembly::applyOptions(const RunOptions& options) {
    m_frame.run().setOptions(options);
    if (m_aids.cue) {
        m_aids.cue->choose(options.cueTone);
        m_aids.cue->setVolume(options.volume);
    }
    if (m_aids.announcer)
        m_aids.announcer->setVolume(options.volume);
}

void RunnerAssembly::historyNotWritten(const std::string& text) {
    // Told after the reaction that caused it, never in the middle of a tick.
    m_untold.push_back(text);
    QMetaObject::invokeMethod(this, &RunnerAssembly::tellNextFailure, Qt::QueuedConnection);
}

void RunnerAssembly::tellNextFailure() {
    if (m_untold.empty())
        return;
    const QString text = totext(m_untold.front());
    m_untold.pop_front();
    Dialogs::message(&m_frame, text);
}

void RunnerAssembly::addRunnerKeys() {
    // Shortcuts of the frame reach across its window, whichever control has
    // the focus, and are dead while the frame is hidden behind another one.
    const auto takesKeys = [this] { return m_frame.inFront() && !visibleTextFieldHasFocus(); };
    for (const RunKey& key : kRunKeys)
        connect(windowKey(&m_frame, key.key), &QShortcut::activated, this,
                [this, takesKeys, action = key.action] {
                    if (takesKeys())
                        guarded(&m_frame, [&] { drive(m_frame.run(), action); });
                });
    connect(windowKey(&m_frame, Qt::Key_F11), &QShortcut::activated, this, [this, takesKeys] {
        if (takesKeys())
            guarded(&m_frame, [this] { toggleBigClock(); });
    });
}

void RunnerAssembly::addBigClockKeys() {
    // The run is driven from the runner: with another frame in front the big
    // clock only closes.
    for (const RunKey& key : kRunKeys)
        connect(windowKey(m_bigClock, key.key), &QShortcut::activated, this,
                [this, action = key.action] {
                    if (m_frame.inFront())
                        guarded(m_bigClock, [&] { drive(m_frame.run(), action); });
                });
    for (const Qt::Key key : {Qt::Key_F11, Qt::Key_Escape})
        connect(windowKey(m_bigClock, key), &QShortcut::activated, m_bigClock, &QWidget::close);
}

BigClockWindow* RunnerAssembly::bigClock() const {
    return m_bigClock;
}

void RunnerAssembly::toggleBigClock() {
    if (m_bigClock && m_bigClock->isVisible()) {
        m_bigClock->close();
        return;
    }
    if (!m_bigClock) {
        m_bigClock = new BigClockWindow(&m_frame);
        m_frame.run().addView(*m_bigClock);
        addBigClockKeys();
        // The runner's window takes the keys again, as a desktop hands it the
        // focus back; so also where no window manager does.
        connect(m_bigClock, &BigClockWindow::hidden, this,
                [this] { m_frame.window()->activateWindow(); });
    }
    // Full screen on the runner's screen, or on another one if the user wants
    // it there; also where no window manager answers the request.
    if (QScreen* screen =
            bigClockScreenFor(*m_frame.window(), m_frame.run().options().bigClockElsewhere)) {
        m_bigClock->setScreen(screen);
        m_bigClock->setGeometry(screen->geometry());
    }
    m_bigClock->showFullScreen();
    m_bigClock->raise();
    m_bigClock->activateWindow();
}
