#include "circuitstartframe.h"

#include "bigclock.h"
#include "browser.h"
#include "clickablelabel.h"
#include "cueplayer.h"
#include "dialogs.h"
#include "digitclock.h"
#include "errorguard.h"
#include "fixedlayout.h"
#include "fonts.h"
#include "panels.h"
#include "pictures.h"
#include "plaintext.h"
#include "runoptionsmenu.h"
#include "textconv.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <string>

namespace {

constexpr int kExercisePicture = 10;
constexpr int kRestPicture = 11;
constexpr int kListLineHeight = 13;
constexpr int kBevel = 2; // lowered outer and inner bevel of the white panel

const QColor kTitleStrip(233, 233, 233);

std::unique_ptr<CueSound> storedCue() {
    const QByteArray wave = assetbytes(QStringLiteral("cue.wav"));
    return std::make_unique<CuePlayer>(
        std::string(wave.constData(), static_cast<size_t>(wave.size())));
}

bool isTextField(const QWidget* widget) {
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return !text->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return !plain->isReadOnly();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

// Whether typing goes into a text field the user can see. A field left with
// the focus in a frame now lying behind the runner cannot be seen, and gets
// no keys from here.
bool visibleTextFieldHasFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !isTextField(focus) || !focus->isVisible())
        return false;
    QWidget* window = focus->window();
    const QWidget* top = window->childAt(focus->mapTo(window, focus->rect().center()));
    return top == focus || (top && focus->isAncestorOf(top));
}

bool isRunnerKey(int key) {
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Right:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_PageUp:
    case Qt::Key_F11:
        return true;
    default:
        return false;
    }
}

} // namespace

Tframe_ExerciseStart::Tframe_ExerciseStart(QWidget* parent, std::unique_ptr<CueSound> cue)
    : QFrame(parent), m_cue(cue ? std::move(cue) : storedCue()), m_browser(&desktopBrowser()) {
    for (int digit = 0; digit <= 9; ++digit) {
        img_numbers[static_cast<size_t>(digit)] = picture(QStringLiteral("digit%1.jpg").arg(digit));
        m_digitPictures[static_cast<size_t>(digit)] = img_numbers[static_cast<size_t>(digit)];
    }
    img_numbers[kExercisePicture] = picture(QStringLiteral("phase_exercise.jpg"));
    img_numbers[kRestPicture] = picture(QStringLiteral("phase_rest.jpg"));

    // Every run worth keeping goes into the training history. A failed write
    // is told after the reaction that caused it, never in the middle of a tick.
    m_recorder = std::make_unique<RunRecorder>(
        [](const HistoryEntry& entry) { appendhistory(historypath(), entry); },
        [] { return std::time(nullptr); },
        [this](const std::string& text) {
            // A run written as the program closes has no window left to tell.
            if (m_closing) {
                std::fprintf(stderr, "%s\n", text.c_str());
                return;
            }
            QMetaObject::invokeMethod(
                this, [this, text] { Dialogs::message(this, totext(text)); }, Qt::QueuedConnection);
        });
    m_run = std::make_unique<CircuitRun>(static_cast<RunView&>(*this), *m_cue);
    m_announcer = makeRunAnnouncer();
    m_awake = makeScreenAwake();
    m_run->setAids(m_announcer.get(), m_awake.get());
    m_run->setObserver(m_recorder.get());
    buildLayout();
    m_run->addDisplay(static_cast<RunDisplay&>(*this));
    new RunOptionsMenu(this, [this](const RunOptions& options) { m_run->setOptions(options); });
    // The sound device opens on a worker thread; the frame does not wait for it.
    m_cue->prepare();
    // Runner keys reach the frame whichever control of its window has the focus.
    qApp->installEventFilter(this);
}

Tframe_ExerciseStart::~Tframe_ExerciseStart() {
    exercisetimer->stop();
    m_closing = true;
    // The run lets go of its displays before they go, then goes itself before
    // the aids it uses: it releases the awake screen on its way out.
    if (m_bigClock)
        m_run->removeDisplay(*m_bigClock);
    m_run->removeDisplay(static_cast<RunDisplay&>(*this));
    m_bigClock.reset();
    m_run.reset();
}

void Tframe_ExerciseStart::buildLayout() {
    resize(kWidth, kHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);

    Panel2 = new QLabel(QStringLiteral("   Your Circuit"), Panel1);
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
    img_exhold->setToolTip(QStringLiteral("Description Of Exercise"));

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
    lst_exercises->setGeometry(62, 104, 185, 185);
    lst_exercises->setFrameShape(QFrame::NoFrame);
    lst_exercises->setFont(courierfont(11));
    lst_exercises->setUniformItemSizes(true);
    QPalette ground = lst_exercises->palette();
    ground.setColor(QPalette::Base, lightGrey());
    lst_exercises->setPalette(ground);

    const QPixmap wideBox = picture(QStringLiteral("box_wide.jpg"));
    addPicture("Image1", 307, 96, wideBox);
    img_status = addPicture("img_status", 328, 120, img_numbers[kExercisePicture]);

    addPicture("Image2", 307, 168, wideBox);
    pnl_clock = new DigitClock(Panel1, QRect(307, 168, 250, 70), m_digitPictures,
                               picture(QStringLiteral("colon.jpg")));
    pnl_clock->setObjectName(QStringLiteral("pnl_clock"));
    pnl_clock->onDoubleClick = [this] { guarded(this, [this] { toggleBigClock(); }); };

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
    btn_stop = makeButton("btn_stop", "runner_stop.jpg"); // created last: in front
    btn_start->onClick = [this] { btn_startClick(); };
    btn_stop->onClick = [this] { btn_stopClick(); };

    lbl_launch = new ClickableLabel(Panel1);
    lbl_launch->setObjectName(QStringLiteral("lbl_launch"));
    lbl_launch->setText(
        QStringLiteral("Click here for instructions on the exercise (Will pause your circuit)"));
    lbl_launch->setTextFormat(Qt::PlainText);
    styleAsLink(lbl_launch);
    lbl_launch->setGeometry(56, 320, 332, 12);
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
    control->setGeometry(left, top, picture.width(), picture.height());
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

void Tframe_ExerciseStart::setRunOptions(const RunOptions& options) {
    m_run->setOptions(options);
}

bool Tframe_ExerciseStart::runnerKey(int key) {
    switch (key) {
    case Qt::Key_Space:
        m_run->startOrStop();
        return true;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        m_run->skipForward();
        return true;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        m_run->skipBack();
        return true;
    case Qt::Key_F11:
        toggleBigClock();
        return true;
    case Qt::Key_Escape:
        if (!m_bigClock || !m_bigClock->isVisible())
            return false;
        m_bigClock->close();
        return true;
    default:
        return false;
    }
}

void Tframe_ExerciseStart::toggleBigClock() {
    if (m_bigClock && m_bigClock->isVisible()) {
        m_bigClock->close();
        return;
    }
    if (!m_bigClock) {
        m_bigClock = std::make_unique<BigClockWindow>(this);
        m_bigClock->onKey = [this](int key) {
            // The run is driven from the runner; with another frame in front
            // the big clock only closes.
            if (key != Qt::Key_F11 && key != Qt::Key_Escape && !inFront())
                return false;
            bool used = false;
            guarded(m_bigClock.get(), [&] { used = runnerKey(key); });
            return used;
        };
        m_run->addDisplay(*m_bigClock);
    }
    // Full screen on the runner's screen, also where no window manager
    // answers the request.
    if (QScreen* screen = window()->screen())
        m_bigClock->setGeometry(screen->geometry());
    m_bigClock->showFullScreen();
    m_bigClock->raise();
    m_bigClock->activateWindow();
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

bool Tframe_ExerciseStart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QFrame::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const auto* target = static_cast<QWidget*>(watched);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!plain || !isRunnerKey(key->key()) || target->window() != window() || !inFront() ||
        visibleTextFieldHasFocus())
        return QFrame::eventFilter(watched, event);
    if (!key->isAutoRepeat()) // a held key acts once
        guarded(this, [&] { runnerKey(key->key()); });
    return true;
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

void Tframe_ExerciseStart::showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds) {
    pnl_clock->showDigits(tenMinutes, minutes, tenSeconds, seconds);
}

void Tframe_ExerciseStart::showPhase(bool resting) {
    img_status->setPixmap(img_numbers[resting ? kRestPicture : kExercisePicture]);
}

void Tframe_ExerciseStart::setStatus(const std::string& text) {
    lbl_exercisename->setText(totext(text));
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
    (button == CommandButton::Start ? btn_start : btn_stop)->raise();
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
    const QString line = totext(moment.timeLeftLine);
    if (lbl_timeleft->text() != line) // most ticks change only the seconds
        lbl_timeleft->setText(line);
}
