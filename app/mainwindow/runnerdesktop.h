#pragma once

#include "runner/runobservers.h"

#include <QObject>

#include <memory>

class FinishNotice;
class MprisService;
class Tframe_ExerciseStart;

// The runner on the desktop, beside the runner's own window: the desktop's
// media controls drive the run (media keys, the lock screen, a panel applet)
// and a notice tells of a finish that happens while the program is in the
// background. Both need the session bus (DesktopBus); without it they are
// left out. The circuit run last is remembered in stridewell.ini for the
// menu entry's "Start the last circuit".
//
// The controls drive the run as the runner's keys do: only while the runner
// is the front frame. Play and Pause are Start and Stop, Next and Previous the
// skip keys, Raise brings the window to the front, Quit closes it.
//
// The frame's child, made after the runner's assembly, so the history is
// still told first of every moment of a run.
class RunnerDesktop final : public QObject {
    Q_OBJECT
public:
    explicit RunnerDesktop(Tframe_ExerciseStart& frame);
    ~RunnerDesktop() override;

    MprisService* mediaControls() const { return m_mpris.get(); }

private:
    void raiseWindow();

    Tframe_ExerciseStart& m_frame;
    RunObservers m_observers;
    std::unique_ptr<RunObserver> m_lastCircuit;
    std::unique_ptr<MprisService> m_mpris;
    std::unique_ptr<FinishNotice> m_notice;
};
