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

class ClickableLabel;
class QLabel;
class QListWidget;
class QTimer;

// The circuit runner frame: the clock of digit pictures, the phase picture, the
// exercise list, the status label and the Start and Stop picture buttons. It
// draws what the run logic asks for and hands every click and tick to it.
class Tframe_ExerciseStart final : public QFrame, private RunView {
    Q_OBJECT
public:
    // cue: the sound played at each change of phase; by default the stored cue
    // through the sound device, which starts opening when the frame is created.
    explicit Tframe_ExerciseStart(QWidget* parent = nullptr, std::unique_ptr<CueSound> cue = {});
    ~Tframe_ExerciseStart() override;

    // Loads a circuit file. Raises IoError, changing nothing, when it cannot be read.
    void intialisecircuit(const std::string& path);
    bool runInProgress() const;
    void bringStartToFront();

    void btn_startClick();
    void btn_stopClick();
    void lbl_launchClick();
    void exercisetimerTimer();

    // The design's frame size inside the main window's holder.
    static constexpr int kWidth = 575;
    static constexpr int kHeight = 335;
    // Minute digits left of the tens of minutes, for intervals of 100 minutes
    // and more (up to 2^32 seconds: 71582788 minutes).
    static constexpr int kExtraMinuteDigits = 6;

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

    void buildLayout();
    void placePanels();
    QLabel* addPicture(const char* name, int left, int top, const QPixmap& picture);
    void setDigit(QLabel* control, int digit);

    std::array<QPixmap, 12> img_numbers; // digits 0-9, then exercise and rest
    std::unique_ptr<CueSound> m_cue;
    // Declared before the run: the run tells it of the circuit being left as it goes.
    std::unique_ptr<RunRecorder> m_recorder;
    std::unique_ptr<CircuitRun> m_run;

    QFrame* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* img_exhold = nullptr;
    QLabel* lbl_exercisename = nullptr;
    QListWidget* lst_exercises = nullptr;
    QLabel* img_status = nullptr;
    QLabel* img_m10s = nullptr;
    QLabel* img_ms = nullptr;
    QLabel* img_s10s = nullptr;
    QLabel* img_s = nullptr;
    std::array<QLabel*, kExtraMinuteDigits> m_extraMinutes{};
    ClickableLabel* btn_start = nullptr;
    ClickableLabel* btn_stop = nullptr;
    ClickableLabel* lbl_launch = nullptr;
    QTimer* exercisetimer = nullptr;
};
