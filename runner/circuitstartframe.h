#pragma once

#include "runner/runlogic.h"
#include "runner/runview.h"

#include <QFrame>
#include <QPixmap>

#include <array>
#include <memory>
#include <string>

class Browser;
class ClickableLabel;
class DigitClock;
class QLabel;
class QListWidget;
class QTimer;

// The circuit runner frame: the clock of digit pictures, the phase picture, the
// exercise list, the status label and the Start and Stop picture buttons. It
// draws what the run logic asks for and hands every click and tick to it. The
// cue, the other aids, the history, the run options, the big clock and the keys
// are put around it by the program (app/runnerassembly.h); alone it runs silent.
class Tframe_ExerciseStart final : public QFrame, private RunView {
    Q_OBJECT
public:
    explicit Tframe_ExerciseStart(QWidget* parent = nullptr);
    ~Tframe_ExerciseStart() override;

    // Loads a circuit file. Raises IoError, changing nothing, when it cannot be read.
    void intialisecircuit(const std::string& path);
    bool runInProgress() const { return m_run->runInProgress(); }
    void bringStartToFront();

    // The run this frame shows; further views follow it through addView.
    CircuitRun& run() { return *m_run; }

    // Whether the user sees the runner: shown, and on top of the frames that
    // share its place in the holder.
    bool inFront() const;

    // Where the encyclopedia pages open; the desktop's browser unless set.
    void setBrowser(Browser& browser) { m_browser = &browser; }

    void btn_startClick();
    void btn_stopClick();
    void lbl_launchClick();
    void exercisetimerTimer();
    // A click on the clock ends a repetition phase.
    void pnl_clockClick();

    // The design's frame size inside the main window's holder.
    static constexpr int kWidth = 575;
    static constexpr int kHeight = 335;

signals:
    // A double click on the clock: the big clock opens, or closes.
    void clockDoubleClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds) override;
    void showPhase(bool resting) override;
    void setStatus(const std::string& text) override;
    void clearExercises() override;
    void addExercise(const std::string& name) override;
    void setDescriptionHint(const std::string& text) override;
    void setLinkVisible(bool visible) override;
    void bringToFront(CommandButton button) override;
    void openPage(const std::string& address) override;
    void startRunTimer() override;
    void stopRunTimer() override;
    void showMoment(const RunMoment& moment) override;

    void buildLayout(const QString& exerciseWord, const QString& restWord);
    void placePanels();
    // Marks the exercise list's row, -1 for none, without taking the focus.
    void markEntry(int row);
    QLabel* addPicture(const char* name, int left, int top, const QPixmap& picture);

    std::array<QPixmap, 10> m_digitPictures;
    std::array<QPixmap, 12> img_numbers; // digits 0-9, then exercise and rest
    // Goes with the frame, before whatever was put around it (the frame's
    // children): the run releases its aids and tells of the circuit being
    // left as it goes.
    std::unique_ptr<CircuitRun> m_run;
    Browser* m_browser;
    std::array<QString, 2> m_phaseNames; // the phase picture's words: exercise, rest

    // The phase whose time-left line a screen reader was last told.
    struct PhaseMark {
        RunState state = RunState::Idle;
        int round = 0;
        int position = 0;
        bool resting = true;
        bool operator==(const PhaseMark&) const = default;
    };
    PhaseMark m_spokenPhase;

    QFrame* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* img_exhold = nullptr;
    QLabel* lbl_exercisename = nullptr;
    QListWidget* lst_exercises = nullptr;
    QLabel* img_status = nullptr;
    DigitClock* pnl_clock = nullptr;
    QLabel* lbl_timeleft = nullptr;
    ClickableLabel* btn_start = nullptr;
    ClickableLabel* btn_stop = nullptr;
    ClickableLabel* lbl_launch = nullptr;
    QTimer* exercisetimer = nullptr;
};
