#include "runner/circuitstartframe.h"

#include "runner/digitclock.h"
#include "ui/browser.h"
#include "ui/clickablelabel.h"
#include "ui/errorguard.h"
#include "ui/fixedlayout.h"
#include "ui/fonts.h"
#include "ui/panels.h"
#include "ui/pictures.h"
#include "ui/plaintext.h"
#include "ui/textconv.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

#include <string>

namespace {

constexpr int kExercisePicture = 10;
constexpr int kRestPicture = 11;
constexpr int kListLineHeight = 13;
constexpr int kBevel = 2; // lowered outer and inner bevel of the white panel

const QColor kTitleStrip(233, 233, 233);

// The exercise list marks the run's entry with its selection, which the run
// moves while the keyboard focus stays wherever it is. A dotted focus frame on
// that row would tell a keyboard user the list holds the focus when it may not,
// so no row draws one; the selection alone marks the row.
class NoFocusFrameDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

// The list row of the run's entry, -1 for none. A rest marks the exercise it
// leads to, a work or repetition phase the one under way, in every round; the
// warm-up leads to the first exercise. The cool-down and a run not under way
// mark nothing.
int markedRow(const RunMoment& moment) {
    const bool underWay = moment.state == RunState::Running || moment.state == RunState::Stopped;
    if (!underWay || moment.kind == PhaseKind::CoolDown || moment.position < 1 ||
        moment.position > moment.count)
        return -1;
    return moment.position - 1;
}

// The phase picture: the designed pictures carry the English words, so in
// another language the same picture is drawn with that language's words, the
// current one in black and the other faded, as the artwork has them.
QPixmap phasePicture(bool resting, const QString& exercise, const QString& rest) {
    if (exercise == QLatin1String("Exercise") && rest == QLatin1String("Rest"))
        return picture(resting ? QStringLiteral("phase_rest.jpg") : QStringLiteral("phase_exercise.jpg"));
    const QColor ink(0x11, 0x11, 0x11);
    const QColor faded(0xC6, 0xC6, 0xC6);
    QPixmap pixmap(200, 20);
    pixmap.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(resting ? faded : ink);
    painter.drawText(QRect(0, 0, 104, 20), Qt::AlignCenter, exercise);
    painter.setPen(resting ? ink : faded);
    painter.drawText(QRect(105, 0, 95, 20), Qt::AlignCenter, rest);
    painter.fillRect(QRect(104, 5, 1, 11), faded);
    return pixmap;
}

} // namespace

Tframe_ExerciseStart::Tframe_ExerciseStart(QWidget* parent)
    : QFrame(parent), m_browser(&desktopBrowser()) {
    for (int digit = 0; digit <= 9; ++digit) {
        img_numbers[static_cast<size_t>(digit)] = picture(QStringLiteral("digit%1.jpg").arg(digit));
        m_digitPictures[static_cast<size_t>(digit)] = img_numbers[static_cast<size_t>(digit)];
    }
    //: The phase the clock counts, beside "Rest" in a picture of 200 pixels:
    //: about 95 pixels of bold text.
    const QString exercise = tr("Exercise");
    //: The phase the clock counts, beside "Exercise": about 90 pixels of bold text.
    const QString rest = tr("Rest");
    img_numbers[kExercisePicture] = phasePicture(false, exercise, rest);
    img_numbers[kRestPicture] = phasePicture(true, exercise, rest);

    m_run = std::make_unique<CircuitRun>(static_cast<RunView&>(*this));
    buildLayout(exercise, rest);
}

Tframe_ExerciseStart::~Tframe_ExerciseStart() {
    exercisetimer->stop();
}

void Tframe_ExerciseStart::buildLayout(const QString& exerciseWord, const QString& restWord) {
    resize(kWidth, kHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);

    //: The runner's title strip.
    const QString title = tr("Your Circuit");
    Panel2 = new QLabel(QStringLiteral("   ") + title, Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setTextFormat(Qt::PlainText);
    Panel2->setFont(verdanafont(11, true));
    Panel2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel2->setAutoFillBackground(true);
    QPalette strip = Panel2->palette();
    strip.setColor(QPalette::Window, kTitleStrip);
    strip.setColor(QPalette::WindowText, Qt::black);
    Panel2->setPalette(strip);

    img_exhold = addPicture("img_exhold", 56, 24, picture(QStringLiteral("namebar.jpg")));
    //: Tool tip of the exercise picture before a circuit is loaded; once loaded
    //: it shows the exercise's own description.
    img_exhold->setToolTip(tr("Description Of Exercise"));

    lbl_exercisename = new QLabel(Panel1);
    lbl_exercisename->setObjectName(QStringLiteral("lbl_exercisename"));
    lbl_exercisename->setTextFormat(Qt::PlainText);
    lbl_exercisename->setFont(centurygothicfont(27));
    QPalette ink = lbl_exercisename->palette();
    ink.setColor(QPalette::WindowText, Qt::black);
    lbl_exercisename->setPalette(ink);
    // Drawn over the name bar; the pointer passes through so the bar's hint shows.
    lbl_exercisename->setAttribute(Qt::WA_TransparentForMouseEvents);
    lbl_exercisename->move(64, 40);
    lbl_exercisename->adjustSize();

    addPicture("Image5", 55, 97, picture(QStringLiteral("box_list.jpg")));
    lst_exercises = new QListWidget(Panel1);
    lst_exercises->setObjectName(QStringLiteral("lst_exercises"));
    lst_exercises->setAccessibleName(title);
    lst_exercises->setGeometry(62, 104, 185, 185);
    lst_exercises->setFrameShape(QFrame::NoFrame);
    lst_exercises->setFont(courierfont(11));
    lst_exercises->setUniformItemSizes(true);
    lst_exercises->setItemDelegate(new NoFocusFrameDelegate(lst_exercises));
    QPalette ground = lst_exercises->palette();
    ground.setColor(QPalette::Base, lightGrey());
    lst_exercises->setPalette(ground);

    const QPixmap wideBox = picture(QStringLiteral("box_wide.jpg"));
    addPicture("Image1", 307, 96, wideBox);
    img_status = addPicture("img_status", 328, 120, img_numbers[kExercisePicture]);
    // The picture says the phase in its words; a screen reader hears them.
    m_phaseNames = {exerciseWord, restWord};
    img_status->setAccessibleName(exerciseWord);

    addPicture("Image2", 307, 168, wideBox);
    pnl_clock = new DigitClock(Panel1, QRect(307, 168, 250, 70), m_digitPictures,
                               picture(QStringLiteral("colon.jpg")));
    pnl_clock->setObjectName(QStringLiteral("pnl_clock"));
    pnl_clock->onDoubleClick = [this] { emit clockDoubleClicked(); };
    pnl_clock->onClick = [this] { guarded(this, [this] { pnl_clockClick(); }); };

    addPicture("Image6", 307, 240, wideBox);
    // The circuit's time left and the position, left of Start and Stop.
    lbl_timeleft = new QLabel(Panel1);
    lbl_timeleft->setObjectName(QStringLiteral("lbl_timeleft"));
    lbl_timeleft->setTextFormat(Qt::PlainText);
    lbl_timeleft->setFont(verdanafont(11));
    lbl_timeleft->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbl_timeleft->setGeometry(317, 268, 160, 16);
    auto makeButton = [this](const char* name, const char* art) {
        auto* button = new ClickableLabel(Panel1);
        button->setObjectName(QString::fromLatin1(name));
        button->setPixmap(picture(QString::fromLatin1(art)));
        button->setGeometry(483, 256, 50, 40);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    btn_start = makeButton("btn_start", "runner_start.jpg");
    btn_stop = makeButton("btn_stop", "runner_stop.jpg");
    btn_start->setRole(ClickableLabel::Role::Button);
    btn_stop->setRole(ClickableLabel::Role::Button);
    //: What a screen reader says of the runner's Start picture button.
    btn_start->setAccessibleName(tr("Start the circuit"));
    //: What a screen reader says of the runner's Stop picture button; Start goes on from there.
    btn_stop->setAccessibleName(tr("Stop the circuit"));
    btn_start->hide(); // behind Stop until the run says otherwise
    btn_start->onClick = [this] { btn_startClick(); };
    btn_stop->onClick = [this] { btn_stopClick(); };

    lbl_launch = new ClickableLabel(Panel1);
    lbl_launch->setObjectName(QStringLiteral("lbl_launch"));
    //: A link below the runner, one line of 332 pixels in small type: keep it short.
    lbl_launch->setText(
        tr("Click here for instructions on the exercise (Will pause your circuit)"));
    lbl_launch->setTextFormat(Qt::PlainText);
    styleAsLink(lbl_launch);
    lbl_launch->setGeometry(56, 320, 332, 12);
    lbl_launch->setRole(ClickableLabel::Role::Link);
    lbl_launch->onClick = [this] { lbl_launchClick(); };

    placePanels();

    exercisetimer = new QTimer(this);
    exercisetimer->setObjectName(QStringLiteral("exercisetimer"));
    exercisetimer->setInterval(1000);
    exercisetimer->setTimerType(Qt::PreciseTimer);
    connect(exercisetimer, &QTimer::timeout, this,
            [this] { guarded(this, [this] { exercisetimerTimer(); }); });
}

QLabel* Tframe_ExerciseStart::addPicture(const char* name, int left, int top,
                                         const QPixmap& picture) {
    auto* control = new QLabel(Panel1);
    control->setObjectName(QString::fromLatin1(name));
    control->setPixmap(picture);
    // The room a picture takes on the screen, whatever its pixels (a twice-size one at 200%).
    control->setGeometry(QRect(QPoint(left, top), picture.deviceIndependentSize().toSize()));
    return control;
}

void Tframe_ExerciseStart::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    placePanels();
}

void Tframe_ExerciseStart::placePanels() {
    Panel1->setGeometry(rect());
    Panel2->setGeometry(kBevel, kBevel, width() - 2 * kBevel, 17);
}

void Tframe_ExerciseStart::intialisecircuit(const std::string& path) {
    m_run->intialisecircuit(path);
}

void Tframe_ExerciseStart::bringStartToFront() {
    m_run->bringStartToFront();
}

bool Tframe_ExerciseStart::inFront() const {
    if (!isVisible())
        return false;
    // Among the holder's frames the one on top answers at the frame's middle.
    const QWidget* holder = parentWidget();
    if (!holder)
        return true;
    const QWidget* top = holder->childAt(geometry().center());
    return top && (top == this || isAncestorOf(top));
}

void Tframe_ExerciseStart::btn_startClick() {
    m_run->btn_startClick();
}

void Tframe_ExerciseStart::btn_stopClick() {
    m_run->btn_stopClick();
}

void Tframe_ExerciseStart::lbl_launchClick() {
    m_run->lbl_launchClick();
}

void Tframe_ExerciseStart::exercisetimerTimer() {
    m_run->exercisetimerTimer();
}

void Tframe_ExerciseStart::pnl_clockClick() {
    m_run->repetitionsDone();
}

void Tframe_ExerciseStart::showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds) {
    pnl_clock->showDigits(tenMinutes, minutes, tenSeconds, seconds);
}

void Tframe_ExerciseStart::showPhase(bool resting) {
    img_status->setPixmap(img_numbers[resting ? kRestPicture : kExercisePicture]);
    img_status->setAccessibleName(m_phaseNames[resting ? 1 : 0]);
}

void Tframe_ExerciseStart::setStatus(const std::string& text) {
    const QString whole = totext(text);
    // A long circuit or exercise name stops short of the name bar's right edge,
    // as far in as the label sits from its left edge: "Morning routine for the
    // whole..." with the whole name in the tool tip. While cut, the label
    // takes the pointer itself so that tool tip shows; elsewhere on the bar
    // the exercise's description still does.
    const int margin = lbl_exercisename->x() - img_exhold->x();
    const int room = img_exhold->width() - 2 * margin;
    const QString shown =
        QFontMetrics(lbl_exercisename->font()).elidedText(whole, Qt::ElideRight, room);
    const bool cut = shown != whole;
    lbl_exercisename->setToolTip(cut ? plaintext(whole) : QString());
    lbl_exercisename->setAttribute(Qt::WA_TransparentForMouseEvents, !cut);
    // A screen reader hears the whole text. The name goes first: a label with a
    // name of its own announces the name's change, not the text's, so a new
    // status is told once.
    lbl_exercisename->setAccessibleName(whole);
    lbl_exercisename->setText(shown);
    lbl_exercisename->adjustSize();
}

void Tframe_ExerciseStart::clearExercises() {
    lst_exercises->clear();
}

void Tframe_ExerciseStart::addExercise(const std::string& name) {
    auto* line = new QListWidgetItem(totext(name), lst_exercises);
    // No width of its own: a line spans whatever width the list shows, also
    // once the vertical scroll bar has narrowed it.
    line->setSizeHint(QSize(0, kListLineHeight));
}

void Tframe_ExerciseStart::setDescriptionHint(const std::string& text) {
    img_exhold->setToolTip(plaintext(totext(text)));
}

void Tframe_ExerciseStart::setLinkVisible(bool visible) {
    lbl_launch->setVisible(visible);
}

void Tframe_ExerciseStart::bringToFront(CommandButton button) {
    ClickableLabel* front = button == CommandButton::Start ? btn_start : btn_stop;
    ClickableLabel* back = front == btn_start ? btn_stop : btn_start;
    // The one behind is hidden, not only covered: Tab and screen readers pass
    // it by, and the focus a keyboard user gave it goes to the one in front.
    // Nothing is raised, so a reader meets the buttons in their place among
    // the frame's controls.
    front->show();
    if (back->hasFocus())
        front->setFocus(Qt::TabFocusReason);
    back->hide();
}

void Tframe_ExerciseStart::openPage(const std::string& address) {
    openaddress(this, *m_browser, address);
}

void Tframe_ExerciseStart::startRunTimer() {
    exercisetimer->start();
}

void Tframe_ExerciseStart::stopRunTimer() {
    exercisetimer->stop();
}

void Tframe_ExerciseStart::showMoment(const RunMoment& moment) {
    markEntry(markedRow(moment));
    const QString line = totext(moment.timeLeftLine);
    if (lbl_timeleft->text() != line) // most ticks change only the seconds
        lbl_timeleft->setText(line);
    // A screen reader hears the line as each phase begins, not at every tick:
    // while the label has a name of its own, a new text is not announced.
    const PhaseMark mark{moment.state, moment.round, moment.position, moment.resting};
    if (mark != m_spokenPhase || line.isEmpty() != lbl_timeleft->accessibleName().isEmpty()) {
        m_spokenPhase = mark;
        lbl_timeleft->setAccessibleName(line);
    }
}

void Tframe_ExerciseStart::markEntry(int row) {
    QListWidgetItem* const line = row >= 0 ? lst_exercises->item(row) : nullptr;
    if (!line) {
        if (lst_exercises->currentRow() >= 0 || !lst_exercises->selectedItems().isEmpty())
            lst_exercises->selectionModel()->clear();
        return;
    }
    if (lst_exercises->currentItem() == line && line->isSelected())
        return; // most ticks stay in their phase
    // Through the selection model: the keyboard focus stays where it is.
    lst_exercises->selectionModel()->setCurrentIndex(lst_exercises->indexFromItem(line),
                                                     QItemSelectionModel::ClearAndSelect);
    lst_exercises->scrollToItem(line);
}
