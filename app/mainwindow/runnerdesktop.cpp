#include "app/mainwindow/runnerdesktop.h"

#include "app/desktop/desktopbus.h"
#include "app/desktop/finishnotice.h"
#include "app/desktop/mprisservice.h"
#include "data/apppaths.h"
#include "data/circuitfile.h"
#include "data/generalsetting.h"
#include "runner/circuitstartframe.h"
#include "runner/runsettings.h"

#include <QApplication>
#include <QWidget>

#include <optional>

namespace {

// Remembers the name of each circuit started, once per change.
class LastCircuitKeeper final : public RunObserver {
public:
    explicit LastCircuitKeeper(std::string iniPath) : m_iniPath(std::move(iniPath)) {}

    void runStarted(const TCircuit2& circuit, int) override {
        // Read at the first start, not while the window is built.
        if (!m_name)
            m_name = generalsetting(m_iniPath, kLastCircuitKey);
        if (circuit.circuitname == *m_name || circuit.circuitname.empty())
            return;
        // A convenience: a file that cannot be written costs the menu entry
        // its memory, never the run.
        try {
            setgeneralsetting(m_iniPath, kLastCircuitKey, circuit.circuitname);
            m_name = circuit.circuitname;
        } catch (const std::exception&) {
        }
    }
    void secondRun() override {}
    void exerciseCompleted(bool) override {}
    void runFinished() override {}
    void circuitLeft() override {}

private:
    std::string m_iniPath;
    std::optional<std::string> m_name; // as the file has it, once read
};

} // namespace

RunnerDesktop::RunnerDesktop(Tframe_ExerciseStart& frame) : QObject(&frame), m_frame(frame) {
    CircuitRun& run = frame.run();
    if (RunObserver* history = run.observer())
        m_observers.add(*history);
    m_lastCircuit =
        std::make_unique<LastCircuitKeeper>(RunSettings::pathIn(applicationfolder()));
    m_observers.add(*m_lastCircuit);
    run.setObserver(&m_observers);

    DesktopBus* bus = DesktopBus::instance();
    if (!bus)
        return;
    // A command reaches the run only while the runner is in front, as a key does.
    const auto whenInFront = [this](void (CircuitRun::*command)()) {
        return [this, command] {
            if (m_frame.inFront())
                (m_frame.run().*command)();
        };
    };
    MediaCommands commands;
    commands.play = [this] {
        if (m_frame.inFront() && !m_frame.run().runInProgress())
            m_frame.run().btn_startClick();
    };
    commands.pause = [this] {
        if (m_frame.inFront() && m_frame.run().runInProgress())
            m_frame.run().btn_stopClick();
    };
    commands.playPause = whenInFront(&CircuitRun::startOrStop);
    commands.next = whenInFront(&CircuitRun::skipForward);
    commands.previous = whenInFront(&CircuitRun::skipBack);
    commands.raise = [this] { raiseWindow(); };
    commands.quit = [this] { m_frame.window()->close(); };
    m_mpris = std::make_unique<MprisService>(
        *bus,
        [this](const RunMoment& moment) {
            const CircuitRun& shown = m_frame.run();
            return mediastateof({moment, shown.circuit().circuitname, shown.canSkipForward(),
                                 shown.canSkipBack()});
        },
        std::move(commands));
    run.addView(*m_mpris);

    m_notice = std::make_unique<FinishNotice>(
        *bus, [] { return QApplication::activeWindow() != nullptr; }, [this] { raiseWindow(); });
    m_observers.add(*m_notice);
}

RunnerDesktop::~RunnerDesktop() = default;

void RunnerDesktop::raiseWindow() {
    QWidget* window = m_frame.window();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
