#include "app/launcher/launcher.h"

#include "app/history/historyopen.h"
#include "app/launcher/updatemessages.h"
#include "app/mainwindow/circuitgridmodel.h"
#include "app/mainwindow/mainform.h"
#include "app/startup/unreadablecircuits.h"
#include "data/apppaths.h"
#include "data/catalogue.h"
#include "data/contentaddress.h"
#include "data/exercises.h"
#include "editors/circuitinfoform.h"
#include "editors/exerciseframe.h"
#include "net/contentupdate.h"
#include "ui/browser.h"
#include "ui/clickablelabel.h"
#include "ui/errorguard.h"
#include "ui/fonts.h"
#include "ui/panels.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QFrame>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

namespace {

// Twelve lines; the ninth is empty and the trailing blanks belong to the text.
// A translation breaks its own lines: the box is 169 pixels wide and does not
// wrap.
const char* const kDisclaimer = QT_TRANSLATE_NOOP("TForm1", "We cannot accept any \n"
                                "responsibility for any injury \n"
                                "suffered as a result of using \n"
                                "this program. If you are \n"
                                "unsure of how to do any \n"
                                "exercise, do not attempt it \n"
                                "until you have been directed \n"
                                "how to do it.\n"
                                "\n"
                                "Also ensure you have done \n"
                                "an adequate Warm-Up \n"
                                "before starting any circuit.");

void setUnderline(QWidget* label, bool on) {
    QFont font = label->font();
    font.setUnderline(on);
    label->setFont(font);
}

} // namespace

TForm1::TForm1(QWidget* parent) : TForm1(parent, ContentServerAddress{}) {}

TForm1::TForm1(QWidget* parent, const ContentServerAddress& contentServer)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_updateMessages(std::make_unique<UpdateMessages>(this)), m_browser(&desktopBrowser()) {
    m_update = std::make_unique<ContentUpdate>(
        [this] {
            if (m_loadLibrary)
                m_loadLibrary();
            else
                loadexercises(exercisetable(), exerciselibrarypath());
        },
        *m_updateMessages, contentServer);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Stridewell"));
    setFixedSize(598, 430);
    setFont(verdanafont(11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, lightGrey());
    palette.setColor(QPalette::Base, lightGrey());
    setPalette(palette);
    setAutoFillBackground(true);

    // A one-pixel border width around the panel, which has a border of its own.
    QFrame* frame = borderedPanel(this, QRect(1, 1, 596, 428));
    frame->setObjectName(QStringLiteral("Panel1"));
    QWidget* panel = clientarea(frame);
    m_panel = panel;

    // The disclaimer comes first in the keyboard order, so it holds the focus.
    mmo_disclaimer = new QPlainTextEdit(panel);
    mmo_disclaimer->setObjectName(QStringLiteral("mmo_disclaimer"));
    mmo_disclaimer->setGeometry(408, 128, 169, 169);
    mmo_disclaimer->setFrameShape(QFrame::NoFrame);
    mmo_disclaimer->setFont(verdanafont(11));
    mmo_disclaimer->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmo_disclaimer->setPlainText(tr(kDisclaimer));
    mmo_disclaimer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mmo_disclaimer->setPalette(palette);
    // Read, never edited: it keeps the focus and keyboard selection, and Tab
    // moves on to the next field instead of typing a tab into the text.
    mmo_disclaimer->setReadOnly(true);
    mmo_disclaimer->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                            Qt::TextSelectableByMouse);
    mmo_disclaimer->setTabChangesFocus(true);

    addPicture("Image1", QStringLiteral("banner.jpg"), QRect(1, 24, 600, 65));

    auto* heading = new QLabel(tr("Exercising"), panel);
    heading->setObjectName(QStringLiteral("Label2"));
    heading->setFont(verdanafont(11, true));
    heading->move(24, 104);
    heading->adjustSize();
    auto* disclaimerHeading = new QLabel(tr("Disclaimer"), panel);
    disclaimerHeading->setObjectName(QStringLiteral("Label1"));
    disclaimerHeading->setFont(verdanafont(11, true));
    disclaimerHeading->move(404, 104);
    disclaimerHeading->adjustSize();
    mmo_disclaimer->setAccessibleName(disclaimerHeading->text());

    addPicture("Image3", QStringLiteral("separator.jpg"), QRect(180, 116, 5, 293));
    addPicture("Image2", QStringLiteral("separator.jpg"), QRect(396, 124, 5, 293));
    addPicture("Image4", QStringLiteral("bullet.jpg"), QRect(8, 128, 18, 18));
    addPicture("Image6", QStringLiteral("bullet.jpg"), QRect(8, 152, 18, 18));
    addPicture("Image9", QStringLiteral("bullet.jpg"), QRect(8, 176, 18, 18));
    addPicture("Image7", QStringLiteral("bullet.jpg"), QRect(8, 200, 18, 18));
    addPicture("Image8", QStringLiteral("bullet.jpg"), QRect(8, 224, 18, 18));

    addLink("lbl_startstridewell", tr("Start Stridewell Now"), 132)->onClick = [this] {
        lbl_startstridewellClick();
    };
    addLink("lbl_checkcicruits", tr("Check for new Circuits"), 156)->onClick = [this] {
        lbl_checkcicruitsClick();
    };
    addLink("lbl_checkexercises", tr("Check for new Exercises"), 180)->onClick =
        [this] { lbl_checkexercisesClick(); };
    addLink("lbl_kinora", tr("Launch Kinoradex"), 204)->onClick = [this] {
        lbl_kinoraClick();
    };
    // Under the four designed links, in their style and spacing.
    addLink("lbl_history", tr("Your training history"), 228)->onClick = [this] {
        lbl_historyClick();
    };

    auto* close = new ClickableLabel(panel);
    close->setObjectName(QStringLiteral("Image5"));
    close->setGeometry(587, 0, 10, 10);
    close->setPixmap(picture(QStringLiteral("closemark.jpg")));
    close->setCursor(Qt::PointingHandCursor);
    close->setRole(ClickableLabel::Role::Button);
    //: What a screen reader says of the launcher's close mark, a small cross in its corner.
    close->setAccessibleName(tr("Close Stridewell"));
    close->onClick = [this] { Image5Click(); };

    mmo_disclaimer->setFocus();

    // Centred on the desktop.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;

void TForm1::addPicture(const char* name, const QString& file, const QRect& geometry) {
    auto* image = new QLabel(m_panel);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(geometry);
    image->setPixmap(picture(file));
}

ClickableLabel* TForm1::addLink(const char* name, const QString& text, int top) {
    auto* link = new ClickableLabel(m_panel);
    link->setObjectName(QString::fromLatin1(name));
    link->setText(text);
    link->setFont(verdanafont(9));
    link->setCursor(Qt::PointingHandCursor);
    link->setRole(ClickableLabel::Role::Link);
    link->move(32, top);
    link->adjustSize();
    // Only the underline changes; repeated moves change nothing further.
    link->onMove = [link] { setUnderline(link, true); };
    link->onLeave = [link] { setUnderline(link, false); };
    return link;
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    mmo_disclaimer->setFocus();
}

void TForm1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_painted || !onFirstShown)
        return;
    m_painted = true;
    QTimer::singleShot(0, this, [this] { guarded(this, onFirstShown); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closed by the system before the start link: the program ends.
    QCoreApplication::quit();
    QWidget::closeEvent(event);
}

Tform_Main* TForm1::mainForm() {
    if (!m_mainForm && m_factory)
        m_mainForm = m_factory();
    return m_mainForm;
}

void TForm1::lbl_startstridewellClick() {
    if (!mainForm())
        return;
    m_mainForm->show();
    m_mainForm->raise();
    m_mainForm->activateWindow();
    // A circuit file that cannot be read is passed over and named once, here.
    tellunreadablecircuits(m_mainForm, ::scancircuits(*m_mainForm->grid()));
    m_mainForm->exerciseFrame()->loadexercises();
    m_mainForm->bringToFront(m_mainForm->circuitInfoFrame());
    m_mainForm->grd_circuitsClick();
    // Off the screen for good; the object lives on so running downloads still finish.
    hide();
}

void TForm1::lbl_checkcicruitsClick() { m_update->lbl_checkcicruitsClick(); }

void TForm1::lbl_checkexercisesClick() { m_update->lbl_checkexercisesClick(); }

void TForm1::lbl_kinoraClick() { openaddress(this, *m_browser, kinoradexindexaddress()); }

void TForm1::lbl_historyClick() { showtraininghistory(); }

void TForm1::Image5Click() { QCoreApplication::quit(); }
