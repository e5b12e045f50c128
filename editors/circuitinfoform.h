#pragma once

#include "editors/circuitinfocontroller.h"
#include "editors/circuitinfoview.h"
#include "editors/shareaction.h"
#include "ui/quietchanges.h"

#include <QWidget>

#include <functional>
#include <string>

class Browser;
class ClickableLabel;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The circuit information panel: one circuit's details and exercises, and the
// description of the exercise selected last. It only reads. The rules live in
// CircuitInfoController; this frame only shows.
class Tfrm_CircuitInfo final : public QWidget, private CircuitInfoView {
    Q_OBJECT
public:
    explicit Tfrm_CircuitInfo(QWidget* parent = nullptr);

    // Reads the circuit file and shows it. A file that cannot be read raises
    // IoError before anything changes.
    void showcircuitinfo(const std::string& path);
    void lst_exercisesClick();
    void lbl_openbrowserClick();
    void libraryChanged();

    // Where the encyclopedia pages open; the desktop's browser unless set.
    void setBrowser(Browser& browser) { m_browser = &browser; }

    const TCircuit2& shownCircuit() const { return m_controller.shownCircuit(); }

    // A choice of the share menu, with the file of the circuit shown ("" while
    // there is none).
    std::function<void(ShareAction, const std::string& circuitPath)> onShare;
    int selectedExerciseSlot() const { return m_controller.selectedExerciseSlot(); }

private:
    void createControls();
    QLabel* captionLabel(InfoCaption caption) const;
    // Puts the shown lines of rounds, warm-up and cool-down one under another.
    void stackPlanLines();

    // CircuitInfoView
    void setCaption(InfoCaption caption, const std::optional<std::string>& value) override;
    void setExerciseLines(const std::vector<std::string>& names) override;
    int selectedExerciseLine() const override;
    void setDescription(const std::string& text) override;
    void showLink(bool shown) override;
    void openAddress(const std::string& address) override;

    CircuitInfoController m_controller;
    QuietChanges m_quiet;
    Browser* m_browser;

    QLabel* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* lbl_CircName = nullptr;
    QLabel* lbl_CircType = nullptr;
    QLabel* lbl_Exercises = nullptr;
    QLabel* lbl_totCTime = nullptr;
    QLabel* lbl_RestTime = nullptr;
    QLabel* lbl_exInterval = nullptr;
    QLabel* lbl_rounds = nullptr;
    QLabel* lbl_roundrest = nullptr;
    QLabel* lbl_warmup = nullptr;
    QLabel* lbl_cooldown = nullptr;
    QListWidget* lst_exercises = nullptr;
    QPlainTextEdit* mmo_exdescription = nullptr;
    ClickableLabel* lbl_openbrowser = nullptr;
    QPushButton* btn_share = nullptr;
};
