#pragma once

#include "cuesound.h"
#include "runlogic.h"
#include "runrecorder.h"
#include "runview.h"

#include <QFrame>
#include <QPixmap>

#include <array>
#include <memory>
#include <string>

class BigClockWindow;
class Browser;
class ClickableLabel;
class DigitClock;
class QLabel;
class QListWidget;
class QTimer;

// The circuit runner frame: the clock of digit pictures, the phase picture, the
// exercise list, the status label and the Start and Stop picture buttons. It
// draws what the run logic asks for and hands every click and tick to it.
//
// Keys, while the runner is in front and no text field has the focus: Space
// presses Start or Stop, Right / Page Down and Left / Page Up skip, F11 opens
// and closes the big clock (Escape closes it).
class Tframe_ExerciseStart final : public QFrame, private RunView, private RunDisplay {
    Q_OBJECT
public:
    // cue: the sound played at each change of phase; by default the stored cue
    // through the sound device, which starts opening when the frame is created.
    explicit Tframe_ExerciseStart(QWidget* parent = nullptr, std::unique_ptr<CueSound> cue = {});
    ~Tframe_ExerciseStart() override;

    // Loads a circuit file. Raises IoError, changing nothing, when it cannot be read.
    void intialisecircuit(const std::string& path);
    bool runInProgress() const { return m_run->runInProgress(); }
    void bringStartToFront();

    // The run this frame shows; further displays follow it through addDisplay.
    CircuitRun& run() { return *m_run; }
    void setRunOptions(const RunOptions& options);

    // A runner key (Space, arrows, Page Up/Down, F11, Escape); true when used.
    bool runnerKey(int key);
    void toggleBigClock();
    BigClockWindow* bigClock() const { return m_bigClock.get(); }

    // Where the encyclopedia pages open; the desktop's browser unless set.
    void setBrowser(Browser& browser) { m_browser = &browser; }

    void btn_startClick();
    void btn_stopClick();
    void lbl_launchClick();
    void exercisetimerTimer();

    // The design's frame size inside the main window's holder.
    static constexpr int kWidth = 575;
    static constexpr int kHeight = 335;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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

    void buildLayout();
    void placePanels();
    QLabel* addPicture(const char* name, int left, int top, const QPixmap& picture);
    bool inFront() const;

    std::array<QPixmap, 10> m_digitPictures;
    std::array<QPixmap, 12> img_numbers; // digits 0-9, then exercise and rest
    std::unique_ptr<CueSound> m_cue;
    // The aids outlive the run, which releases them as it goes.
    std::unique_ptr<RunAnnouncer> m_announcer;
    std::unique_ptr<ScreenAwake> m_awake;
    // Declared before the run: the run tells it of the circuit being left as it goes.
    std::unique_ptr<RunRecorder> m_recorder;
    bool m_closing = false; // the frame is going: a failed history write goes to stderr
    std::unique_ptr<CircuitRun> m_run;
    std::unique_ptr<BigClockWindow> m_bigClock; // made when first opened
    Browser* m_browser;

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
