#include "editors/circuitinfoform.h"

#include "editors/editorwords.h"
#include "editors/sharebutton.h"
#include "ui/browser.h"
#include "ui/clickablelabel.h"
#include "ui/enterclick.h"
#include "ui/errorguard.h"
#include "ui/fixedlayout.h"
#include "ui/fonts.h"
#include "ui/plaintext.h"
#include "ui/textconv.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int kStripHeight = 20;
constexpr int kLineHeight = 12;
// The lines only some circuits show: at the description's left edge, on the
// rows of the designed captions from "Exercises:" down, whose texts stay
// short, above the description.
constexpr int kPlanLinesLeft = 296;
constexpr int kPlanLinesTop = 40;
constexpr int kCaptionStep = 16;

} // namespace

Tfrm_CircuitInfo::Tfrm_CircuitInfo(QWidget* parent)
    : QWidget(parent), m_controller(*this), m_browser(&desktopBrowser()) {
    setObjectName(QStringLiteral("frm_CircuitInfo1"));
    createControls();
}

void Tfrm_CircuitInfo::createControls() {
    resize(575, 335);
    setFont(verdanafont(9));

    // The main window's instance: 9-pixel characters.
    //: Title of the circuit information panel, in a strip across it.
    Panel1 = makeTitleStrip(this, "Panel1", QStringLiteral("   ") + tr("Circuit Information"),
                            kStripHeight, verdanafont(9, true));

    Panel2 = placeControl<QFrame>(this, "Panel2",
                                  QRect(0, kStripHeight, width(), height() - kStripHeight));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(1);
    Panel2->setAutoFillBackground(true);
    QPalette white = Panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    Panel2->setPalette(white);

    // Shown until a circuit is; they start at fixed places so that their
    // colons line up.
    //: Information panel before a circuit is shown. Keep the length.
    lbl_CircName = makeCaption(Panel2, "lbl_CircName", tr("Circuit Name:"), 42, 8);
    //: Information panel before a circuit is shown. Keep the length.
    lbl_CircType = makeCaption(Panel2, "lbl_CircType", tr("Circuit Type:"), 46, 24);
    //: Information panel before a circuit is shown. Keep the length.
    lbl_Exercises = makeCaption(Panel2, "lbl_Exercises", tr("Exercises:"), 58, 40);
    //: Information panel before a circuit is shown. Keep the length.
    lbl_totCTime = makeCaption(Panel2, "lbl_totCTime", tr("Total Circuit Time:"), 17, 56);
    //: Information panel before a circuit is shown. Keep the length.
    lbl_RestTime = makeCaption(Panel2, "lbl_RestTime", tr("Rest Interval:"), 42, 72);
    //: Information panel before a circuit is shown. Keep the length.
    lbl_exInterval = makeCaption(Panel2, "lbl_exInterval", tr("Exercise Interval:"), 21, 88);
    lbl_rounds = makeCaption(Panel2, "lbl_rounds", QString(), kPlanLinesLeft, kPlanLinesTop);
    lbl_roundrest = makeCaption(Panel2, "lbl_roundrest", QString(), kPlanLinesLeft, kPlanLinesTop);
    lbl_warmup = makeCaption(Panel2, "lbl_warmup", QString(), kPlanLinesLeft, kPlanLinesTop);
    lbl_cooldown = makeCaption(Panel2, "lbl_cooldown", QString(), kPlanLinesLeft, kPlanLinesTop);
    for (QLabel* line : {lbl_rounds, lbl_roundrest, lbl_warmup, lbl_cooldown})
        line->hide();

    lst_exercises = placeControl<QListWidget>(Panel2, "lst_exercises", QRect(8, 104, 233, 177));
    lst_exercises->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lst_exercises->setLineWidth(1);
    lst_exercises->setUniformItemSizes(true);
    lst_exercises->setSelectionMode(QAbstractItemView::SingleSelection);
    //: Read out by screen readers for the list of the shown circuit's exercises.
    lst_exercises->setAccessibleName(tr("Exercises"));
    lst_exercises->setStyleSheet(
        QStringLiteral("QListWidget::item { height: %1px; padding: 0px; }").arg(kLineHeight));

    mmo_exdescription =
        placeControl<QPlainTextEdit>(Panel2, "mmo_exdescription", QRect(296, 112, 217, 169));
    mmo_exdescription->setFrameStyle(QFrame::NoFrame);
    mmo_exdescription->setReadOnly(true);
    // Read with the arrow keys as with the mouse; Tab goes on to the next control.
    mmo_exdescription->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                               Qt::TextSelectableByKeyboard);
    mmo_exdescription->setTabChangesFocus(true);
    //: Read out by screen readers for the description of the selected exercise.
    mmo_exdescription->setAccessibleName(tr("Exercise description"));

    lbl_openbrowser =
        placeControl<ClickableLabel>(Panel2, "lbl_openbrowser", QRect(8, 280, 283, 12));
    //: A link 283 pixels wide that opens the exercise's page in the browser.
    lbl_openbrowser->setText(tr("Click here for more information on the selected exercise."));
    styleAsLink(lbl_openbrowser);
    lbl_openbrowser->setRole(ClickableLabel::Role::Link);
    lbl_openbrowser->onClick = [this] { lbl_openbrowserClick(); };

    // Bottom right, under the description.
    btn_share = makesharebutton(Panel2, "btn_share", QRect(422, 286, 145, 25), [this](ShareAction action) {
        if (onShare)
            onShare(action, m_controller.shownCircuit().filename);
    });
    clickonenter(btn_share);

    // A selection by mouse or keyboard; a click on the line already selected
    // shows it again.
    connect(lst_exercises, &QListWidget::currentRowChanged, this,
            m_quiet.reaction([this] { guarded(this, [this] { lst_exercisesClick(); }); }));
    connect(lst_exercises, &QListWidget::itemClicked, this,
            [this] { guarded(this, [this] { lst_exercisesClick(); }); });
}

void Tfrm_CircuitInfo::showcircuitinfo(const std::string& path) {
    m_controller.showcircuitinfo(path);
}

void Tfrm_CircuitInfo::lst_exercisesClick() {
    m_controller.lst_exercisesClick();
}

void Tfrm_CircuitInfo::lbl_openbrowserClick() {
    m_controller.lbl_openbrowserClick();
}

void Tfrm_CircuitInfo::libraryChanged() {
    m_controller.libraryChanged();
}

// --- CircuitInfoView ---------------------------------------------------------

QLabel* Tfrm_CircuitInfo::captionLabel(InfoCaption caption) const {
    QLabel* const labels[] = {lbl_CircName,   lbl_CircType, lbl_Exercises, lbl_totCTime,
                              lbl_exInterval, lbl_RestTime, lbl_rounds,    lbl_roundrest,
                              lbl_warmup,     lbl_cooldown};
    return labels[static_cast<int>(caption)];
}

void Tfrm_CircuitInfo::setCaption(InfoCaption caption, const std::optional<std::string>& value) {
    QLabel* label = captionLabel(caption);
    // Labels are sized to their text and grow to the right.
    label->setText(value ? plaintext(EditorWords::infoCaption(caption, *value)) : QString());
    label->adjustSize();
    if (caption >= InfoCaption::Rounds) {
        label->setVisible(value.has_value());
        stackPlanLines();
    }
}

void Tfrm_CircuitInfo::stackPlanLines() {
    int top = kPlanLinesTop;
    for (QLabel* line : {lbl_rounds, lbl_roundrest, lbl_warmup, lbl_cooldown}) {
        if (line->isHidden())
            continue;
        line->move(kPlanLinesLeft, top);
        top += kCaptionStep;
    }
}

void Tfrm_CircuitInfo::setExerciseLines(const std::vector<std::string>& names) {
    // Refilling the list is not a selection: the description stays.
    m_quiet.quietly([&] {
        lst_exercises->clear();
        for (const std::string& name : names)
            lst_exercises->addItem(totext(name));
    });
}

int Tfrm_CircuitInfo::selectedExerciseLine() const {
    return lst_exercises->currentRow();
}

void Tfrm_CircuitInfo::setDescription(const std::string& text) {
    mmo_exdescription->setPlainText(totext(text));
}

void Tfrm_CircuitInfo::showLink(bool shown) {
    lbl_openbrowser->setVisible(shown);
}

void Tfrm_CircuitInfo::openAddress(const std::string& address) {
    openaddress(this, *m_browser, address);
}
