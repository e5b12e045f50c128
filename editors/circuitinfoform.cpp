#include "circuitinfoform.h"

#include "browser.h"
#include "catalogue.h"
#include "clickablelabel.h"
#include "contentaddress.h"
#include "errorguard.h"
#include "exercises.h"
#include "fonts.h"
#include "textconv.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {
constexpr int kStripHeight = 20;
constexpr int kLineHeight = 12;

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

// Labels are sized to their text and grow to the right.
void setCaption(QLabel* label, const std::string& text) {
    label->setText(totext(text));
    label->adjustSize();
}
} // namespace

Tfrm_CircuitInfo::Tfrm_CircuitInfo(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frm_CircuitInfo1"));
    createControls();
}

void Tfrm_CircuitInfo::createControls() {
    resize(575, 335);
    setFont(verdanafont(9));

    Panel1 = new QLabel(QStringLiteral("   Circuit Information"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, width(), kStripHeight);
    Panel1->setFont(verdanafont(9, true)); // the main window's instance: 9-pixel characters
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel1->setAutoFillBackground(true);
    QPalette strip = Panel1->palette();
    strip.setColor(QPalette::Window, QColor(248, 248, 248));
    Panel1->setPalette(strip);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, kStripHeight, width(), height() - kStripHeight);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(1);
    Panel2->setAutoFillBackground(true);
    QPalette white = Panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    Panel2->setPalette(white);

    lbl_CircName = makeCaption(Panel2, "lbl_CircName", QStringLiteral("Circuit Name:"), 42, 8);
    lbl_CircType = makeCaption(Panel2, "lbl_CircType", QStringLiteral("Circuit Type:"), 46, 24);
    lbl_Exercises = makeCaption(Panel2, "lbl_Exercises", QStringLiteral("Exercises:"), 58, 40);
    lbl_totCTime =
        makeCaption(Panel2, "lbl_totCTime", QStringLiteral("Total Circuit Time:"), 17, 56);
    lbl_RestTime = makeCaption(Panel2, "lbl_RestTime", QStringLiteral("Rest Interval:"), 42, 72);
    lbl_exInterval =
        makeCaption(Panel2, "lbl_exInterval", QStringLiteral("Exercise Interval:"), 21, 88);

    lst_exercises = new QListWidget(Panel2);
    lst_exercises->setObjectName(QStringLiteral("lst_exercises"));
    lst_exercises->setGeometry(8, 104, 233, 177);
    lst_exercises->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lst_exercises->setLineWidth(1);
    lst_exercises->setUniformItemSizes(true);
    lst_exercises->setSelectionMode(QAbstractItemView::SingleSelection);
    lst_exercises->setStyleSheet(
        QStringLiteral("QListWidget::item { height: %1px; padding: 0px; }").arg(kLineHeight));

    mmo_exdescription = new QPlainTextEdit(Panel2);
    mmo_exdescription->setObjectName(QStringLiteral("mmo_exdescription"));
    mmo_exdescription->setGeometry(296, 112, 217, 169);
    mmo_exdescription->setFrameStyle(QFrame::NoFrame);
    mmo_exdescription->setReadOnly(true);

    lbl_openbrowser = new ClickableLabel(Panel2);
    lbl_openbrowser->setObjectName(QStringLiteral("lbl_openbrowser"));
    lbl_openbrowser->setText(
        QStringLiteral("Click here for more information on the selected exercise."));
    lbl_openbrowser->setGeometry(8, 280, 283, 12);
    QFont link = verdanafont(9);
    link.setUnderline(true);
    lbl_openbrowser->setFont(link);
    QPalette blue = lbl_openbrowser->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    lbl_openbrowser->setPalette(blue);
    lbl_openbrowser->setCursor(Qt::PointingHandCursor);
    lbl_openbrowser->onClick = [this] { lbl_openbrowserClick(); };

    // A selection by mouse or keyboard; a click on the line already selected
    // shows it again.
    connect(lst_exercises, &QListWidget::currentRowChanged, this,
            [this] { guarded(this, [this] { lst_exercisesClick(); }); });
    connect(lst_exercises, &QListWidget::itemClicked, this,
            [this] { guarded(this, [this] { lst_exercisesClick(); }); });
}

void Tfrm_CircuitInfo::showcircuitinfo(const std::string& path) {
    TCircuit2 circuit = readcircuit(path); // raises before anything is shown
    infocircuit = std::move(circuit);

    setCaption(lbl_CircName, "Circuit Name: " + infocircuit.circuitname);
    setCaption(lbl_CircType, "Circuit Type: " + infocircuit.circuittype);
    setCaption(lbl_Exercises, "Exercises: " + std::to_string(infocircuit.exercisecount));
    setCaption(lbl_totCTime, "Total Circuit Time: " + totaltime(infocircuit.exerciseinterval,
                                                                infocircuit.restinterval,
                                                                infocircuit.exercisecount));
    setCaption(lbl_exInterval, "Exercise Interval: " + durationtext(infocircuit.exerciseinterval));
    setCaption(lbl_RestTime, "Rest Interval: " + durationtext(infocircuit.restinterval));

    // Refilling the list is not a selection: the description stays.
    const QSignalBlocker quiet(lst_exercises);
    lst_exercises->clear();
    for (const TExercise2& entry : infocircuit.exercises) {
        if (entry.name.empty())
            break;
        lst_exercises->addItem(totext(entry.name));
    }
}

void Tfrm_CircuitInfo::lst_exercisesClick() {
    const QListWidgetItem* line = lst_exercises->currentItem();
    if (!line)
        return;
    const std::size_t row = static_cast<std::size_t>(lst_exercises->row(line));
    // The entry's own bytes, so a name that is not UTF-8 still finds its record.
    const std::string name = row < infocircuit.exercises.size() ? infocircuit.exercises[row].name
                                                                : tobytes(line->text());
    const ExerciseTable& table = exercisetable();
    infoexercise = findexercisebyname(table, name);
    const TExercise& record = table[infoexercise];
    mmo_exdescription->setPlainText(totext(record.description));
    lbl_openbrowser->setVisible(record.online == 1);
}

void Tfrm_CircuitInfo::lbl_openbrowserClick() {
    openaddress(kinoradexpageaddress(exercisetable()[infoexercise].name));
}
