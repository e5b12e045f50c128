#pragma once

#include "runner/runaidfactory.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <memory>
#include <string>

class BigClockWindow;
class RunRecorder;
class Tframe_ExerciseStart;

// Puts the runner together. The frame only lays out and draws; around it this
// sets up, once:
// - the cue and the training aids, handed to the frame's run;
// - the training history: every run worth keeping is written as it finishes
//   or is left, and a failed write is told after the reaction that caused it;
// - the run options on the frame's context menu, remembered in stridewell.ini:
//   the run's own, the cue's sound and the volume of every sound, heard once
//   when chosen;
// - the big clock, opened and closed by F11 or a double click on the clock,
//   on a screen of its own where there is one and the options want it;
// - the keys, as shortcuts of the runner's window and of the big clock.
//
// Keys, while the runner is the front frame and no text field has the focus:
// Space presses Start or Stop, Right / Page Down and Left / Page Up skip,
// Enter ends a repetition phase, F11 opens and closes the big clock. In the big
// clock the same keys work while the runner is in front; there F11 and Escape
// close it whatever is in front.
//
// The assembly is the frame's child: it goes with the frame, after the
// frame's run, which releases the aids and writes the history on its way out.
class RunnerAssembly final : public QObject {
    Q_OBJECT
public:
    // dataFolder: where the history and the run options are kept, ending in "/".
    // aids: the real ones unless a test brings its own.
    RunnerAssembly(Tframe_ExerciseStart& frame, const std::string& dataFolder,
                   RunAidParts aids = makeRunAids());
    ~RunnerAssembly() override;

    void toggleBigClock();
    BigClockWindow* bigClock() const; // made when first opened

private:
    void applyOptions(const RunOptions& options);
    void addRunnerKeys();
    void addBigClockKeys();
    void historyNotWritten(const std::string& text);
    void tellNextFailure();

    Tframe_ExerciseStart& m_frame;
    RunAidParts m_aids;
    std::unique_ptr<RunRecorder> m_recorder;
    QPointer<BigClockWindow> m_bigClock; // a window of its own, the frame's child
    std::deque<std::string> m_untold;    // failed history writes not shown yet
};
