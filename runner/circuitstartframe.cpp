#include "circuitstartframe.h"

#include "browser.h"
#include "clickablelabel.h"
#include "cueplayer.h"
#include "dialogs.h"
#include "errorguard.h"
#include "fixedlayout.h"
#include "fonts.h"
#include "pictures.h"
#include "runoptionsmenu.h"
#include "textconv.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include <ctime>
#include <string>

namespace {

constexpr int kExercisePicture = 10;
constexpr int kRestPicture = 11;
constexpr int kDigitWidth = 30;
constexpr int kListLineHeight = 13;
constexpr int kBevel = 2; // lowered outer and inner bevel of the white panel

const QColor kTitleStrip(233, 233, 233);
const QColor kListGround(248, 248, 248);

std::unique_ptr<CueSound> storedCue() {
    const QByteArray wave = assetbytes(QStringLiteral("cue.wav"));
    return std::make_unique<CuePlayer>(
        std::string(wave.constData(), static_cast<size_t>(wave.size())));
}

} // namespace

Tframe_ExerciseStart::Tframe_ExerciseStart(QWidget* parent, std::unique_ptr<CueSound> cue)
    : QFrame(parent), m_cue(cue ? std::move(cue) : storedCue()) {
    for (int digit = 0; digit <= 9; ++digit)
        img_numbers[static_cast<size_t>(digit)] = picture(QStringLiteral("digit%1.jpg").arg(digit));
    img_numbers[kExercisePicture] = picture(QStringLiteral("phase_exercise.jpg"));
    img_numbers[kRestPicture] = picture(QStringLiteral("phase_rest.jpg"));

    // Every run worth keeping goes into the training history. A failed write
    // is told after the reaction that caused it, never in the middle of a tick.
    m_recorder = std::make_unique<RunRecorder>(
        [](const HistoryEntry& entry) { appendhistory(historypath(), entry); },
        [] { return std::time(nullptr); },
        [this](const std::string& text) {
            QMetaObject::invokeMethod(
                this, [this, text] { Dialogs::message(this, totext(text)); },
                Qt::QueuedConnection);
        });
    m_run = std::make_unique<CircuitRun>(static_cast<RunView&>(*this), *m_cue);
    m_run->setObserver(m_recorder.get());
    buildLayout();
    new RunOptionsMenu(this, [this](const RunOptions& options) { m_run->setOptions(options); });
    // The sound device opens on a worker thread; the frame does not wait for it.
    m_cue->prepare();
}

Tframe_ExerciseStart::~Tframe_ExerciseStart() {
    exercisetimer->stop();
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
    ground.setColor(QPalette::Base, kListGround);
    lst_exercises->setPalette(ground);

    const QPixmap wideBox = picture(QStringLiteral("box_wide.jpg"));
    addPicture("Image1", 307, 96, wideBox);
    img_status = addPicture("img_status", 328, 120, img_numbers[kExercisePicture]);

    addPicture("Image2", 307, 168, wideBox);
    for (int i = 0; i < kExtraMinuteDigits; ++i) {
        const std::string name = "img_m1" + std::string(static_cast<size_t>(i) + 2, '0') + "s";
        QLabel* digit = addPicture(name.c_str(), 368 - kDigitWidth * (i + 1), 173, img_numbers[0]);
        digit->hide(); // shown only for intervals of 100 minutes and more
        m_extraMinutes[static_cast<size_t>(i)] = digit;
    }
    img_m10s = addPicture("img_m10s", 368, 173, img_numbers[0]);
    img_ms = addPicture("img_ms", 398, 173, img_numbers[0]);
    addPicture("Image3", 428, 173, picture(QStringLiteral("colon.jpg")));
    img_s10s = addPicture("img_s10s", 450, 173, img_numbers[0]);
    img_s = addPicture("img_s", 480, 173, img_numbers[0]);

    addPicture("Image6", 307, 240, wideBox);
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

bool Tframe_ExerciseStart::runInProgress() const {
    return exercisetimer->isActive();
}

void Tframe_ExerciseStart::bringStartToFront() {
    bringToFront(CommandButton::Start);
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

void Tframe_ExerciseStart::setDigit(QLabel* control, int digit) {
    // A label repaints on every setPixmap, even of the same picture; most ticks
    // change only the seconds, so the other digits are left alone.
    const QPixmap& wanted = img_numbers[static_cast<size_t>(digit)];
    if (control->pixmap().cacheKey() != wanted.cacheKey())
        control->setPixmap(wanted);
}

void Tframe_ExerciseStart::showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds) {
    // Tens of minutes above 9 spill their leading digits into the controls on
    // the left: 1234 tens of minutes and 5 minutes read 12345 minutes.
    int leading = tenMinutes / 10;
    setDigit(img_m10s, tenMinutes % 10);
    for (QLabel* extra : m_extraMinutes) {
        extra->setVisible(leading > 0);
        if (leading > 0)
            setDigit(extra, leading % 10);
        leading /= 10;
    }
    setDigit(img_ms, minutes);
    setDigit(img_s10s, tenSeconds);
    setDigit(img_s, seconds);
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
    line->setSizeHint(QSize(lst_exercises->width(), kListLineHeight));
}

void Tframe_ExerciseStart::setDescriptionHint(const std::string& text) {
    img_exhold->setToolTip(totext(text));
}

void Tframe_ExerciseStart::setLinkVisible(bool visible) {
    lbl_launch->setVisible(visible);
}

void Tframe_ExerciseStart::bringToFront(CommandButton button) {
    (button == CommandButton::Start ? btn_start : btn_stop)->raise();
}

void Tframe_ExerciseStart::openPage(const std::string& address) {
    openaddress(address);
}

void Tframe_ExerciseStart::startRunTimer() {
    exercisetimer->start();
}

void Tframe_ExerciseStart::stopRunTimer() {
    exercisetimer->stop();
}
