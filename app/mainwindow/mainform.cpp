#include "app/mainwindow/mainform.h"

#include "app/history/historyopen.h"
#include "app/mainwindow/circuitgridmodel.h"
#include "app/mainwindow/circuitsharing.h"
#include "app/mainwindow/circuitgridview.h"
#include "app/mainwindow/runnerassembly.h"
#include "app/mainwindow/runnerdesktop.h"
#include "data/apppaths.h"
#include "editors/circuitedit.h"
#include "editors/circuitinfoform.h"
#include "editors/circuitnames.h"
#include "editors/exerciseframe.h"
#include "runner/circuitstartframe.h"
#include "ui/clickablelabel.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/fonts.h"
#include "ui/frontframe.h"
#include "ui/panekeys.h"
#include "ui/panels.h"
#include "ui/pictures.h"
#include "ui/textconv.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>

#include <algorithm>

namespace {

QLabel* captionLabel(QWidget* parent, const QString& text, const QRect& geometry,
                     Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setFont(verdanafont(11, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

Tform_Main::Tform_Main(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("form_Main"));
    setWindowTitle(QStringLiteral("Stridewell"));
    // A fixed single border with a system menu and a minimise box, but no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(597, 659);
    setFont(verdanafont(9));
    fillBackground(this, lightGrey());

    auto* mainHolder = borderedPanel(this, QRect(0, 0, 597, 659), lightGrey());
    mainHolder->setObjectName(QStringLiteral("pnl_MainHolder"));
    QWidget* holder = clientarea(mainHolder);

    buildButtonBar(holder);
    buildCircuitList(holder);

    auto* splitter = new QLabel(holder);
    splitter->setObjectName(QStringLiteral("img_smallsplitter"));
    splitter->setGeometry(272, 301, 36, 8);
    splitter->setPixmap(picture(QStringLiteral("smallsplitter.jpg")));

    buildFrames(holder);
    addhistoryshortcut(this);
    addpanekeys(this, {[this] { return pnl_buttonholder; },
                       [this] { return static_cast<QWidget*>(grd_circuits); },
                       [this]() -> QWidget* {
                           for (QWidget* frame : {static_cast<QWidget*>(frm_CircuitEdit1),
                                                  static_cast<QWidget*>(frm_CircuitInfo1),
                                                  static_cast<QWidget*>(frame_ExerciseStart1),
                                                  static_cast<QWidget*>(frm_ExerciseFrame1)})
                               if (frame->isVisible())
                                   return frame;
                           return nullptr;
                       }});
    // The grid holds the focus as the window opens, so the arrow keys choose a
    // circuit at once; the bar before it is a Backtab away.
    grd_circuits->setFocus();
}

Tform_Main::~Tform_Main() {
    // No reaction may run while the children are being taken down.
    grd_circuits->disconnect(this);
    // The editor stores a pending name as it is hidden on the way down; the
    // grid it rescans is still there, this window no longer is.
    frm_CircuitEdit1->onCatalogueRescanned = nullptr;
    frm_ExerciseFrame1->disconnect(this); // its hide on the way down settles a rename
    // Whatever other window still exists, the program ends with this one.
    QCoreApplication::quit();
}

void Tform_Main::buildButtonBar(QWidget* holder) {
    auto* bar = new ClickableLabel(holder);
    bar->setObjectName(QStringLiteral("pnl_buttonholder"));
    bar->setGeometry(8, 8, 577, 65);
    fillBackground(bar, lightGrey());
    bar->onMove = [this] { pnl_buttonholderMouseMove(); };
    pnl_buttonholder = bar;

    struct Design {
        BarButton button;
        const char* name;
        int left;
        const char* hint;
        const char* picture; // the base of the picture names: 1 normal, 2 hover
    };
    static const Design designs[] = {
        //: Tool tip of a picture button of the main window's bar (title case in English).
        {BarButton::Info, "btn_info", 1, QT_TR_NOOP("Information About The Selected Circuit"),
         "main_info"},
        //: Tool tip of a picture button of the main window's bar (title case in English).
        {BarButton::Start, "btn_start", 57, QT_TR_NOOP("Start The Selected Circuit"), "main_start"},
        //: Tool tip of a picture button of the main window's bar (title case in English).
        {BarButton::New, "btn_new", 113, QT_TR_NOOP("Create A New Circuit"), "main_new"},
        //: Tool tip of a picture button of the main window's bar (title case in English).
        {BarButton::Remove, "btn_remove", 169, QT_TR_NOOP("Delete The Selected Circuit"),
         "main_remove"},
        //: Tool tip of a picture button of the main window's bar: opens the exercise library.
        {BarButton::Exercise, "btn_exercise", 225, QT_TR_NOOP("Modify Exercises"),
         "main_exercise"},
    };
    for (const Design& design : designs) {
        BarPictures& button = pictures(design.button);
        const QString base = QString::fromLatin1(design.picture);
        button.normal = picture(base + QStringLiteral("1.jpg"));
        button.hover = picture(base + QStringLiteral("2.jpg"));
        button.image = new ClickableLabel(bar);
        button.image->setObjectName(QString::fromLatin1(design.name));
        button.image->setGeometry(design.left, 9, 48, 48);
        button.image->setCursor(Qt::PointingHandCursor);
        button.image->setToolTip(tr(design.hint));
        // Named by its tool tip, and acted on from the keyboard as it is pressed.
        button.image->setRole(ClickableLabel::Role::Button);
        // The start button is created with a picture of its own, not its normal one.
        button.image->setPixmap(design.button == BarButton::Start ? picture(QStringLiteral("main_start0.jpg"))
                                                       : button.normal);
        const BarButton which = design.button;
        button.image->onMove = [this, which] { m_controller.buttonMouseMove(which); };
    }
    pictures(BarButton::Info).image->onPress = [this] { btn_infoMouseDown(); };
    pictures(BarButton::Start).image->onPress = [this] { btn_startMouseDown(); };
    pictures(BarButton::New).image->onClick = [this] { btn_newClick(); };
    pictures(BarButton::Remove).image->onPress = [this] { btn_removeMouseDown(); };
    pictures(BarButton::Exercise).image->onPress = [this] { btn_exerciseMouseDown(); };

    auto* logo = new ClickableLabel(bar);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setGeometry(456, 0, 120, 40);
    logo->setPixmap(picture(QStringLiteral("logo.jpg")));
}

void Tform_Main::buildCircuitList(QWidget* holder) {
    auto* panel = borderedPanel(holder, QRect(8, 72, 577, 225), lightGrey());
    panel->setObjectName(QStringLiteral("Panel1"));
    QWidget* client = clientarea(panel);

    //: Heading over the list of the user's circuits.
    const QString heading = tr("Available Circuits");
    captionLabel(client, QStringLiteral("   ") + heading, QRect(0, 0, 575, 17), Qt::AlignLeft);

    struct Title {
        const char* text;
        int left;
        int width;
    };
    static const Title titles[] = {
        //: Column title over the circuits' names, in a box 154 pixels wide (bold).
        {QT_TR_NOOP("Circuit Name"), 0, 154},
        //: Column title over the circuits' kinds (Upper Body, Legs...), 152 pixels wide (bold).
        {QT_TR_NOOP("Circuit Type"), 154, 152},
        //: Column title over each circuit's number of exercises, 152 pixels wide (bold).
        {QT_TR_NOOP("Exercises"), 306, 152},
        //: Column title over each circuit's planned time, 120 pixels wide (bold).
        {QT_TR_NOOP("Circuit Time"), 458, 120}};
    for (const Title& title : titles) {
        auto* box = new QLabel(tr(title.text), client);
        // A raised outer and a lowered inner bevel.
        box->setFrameStyle(QFrame::Box | QFrame::Raised);
        box->setLineWidth(1);
        box->setMidLineWidth(0);
        box->setFont(verdanafont(11, true));
        box->setAlignment(Qt::AlignCenter);
        box->setGeometry(title.left, 17, title.width, 24);
    }

    // The grid holder lies below the titles; the grid fills what the panel
    // leaves visible, so its scroll bar stays whole.
    QFrame* gridHolder = borderedPanel(client, QRect(0, 40, 573, 183));
    gridHolder->setObjectName(QStringLiteral("pnl_gridholder"));

    m_grid = new CircuitGridModel(this);
    // The titles are boxes of their own; the grid tells them to a screen
    // reader as its column heads.
    for (int column = 0; column < kDisplayedCircuitColumns; ++column)
        m_grid->setHeaderData(column, Qt::Horizontal, tr(titles[column].text));
    grd_circuits = new CircuitGridView(gridHolder);
    grd_circuits->setObjectName(QStringLiteral("grd_circuits"));
    grd_circuits->setAccessibleName(heading);
    grd_circuits->setGeometry(1, 1, 571, 181);
    grd_circuits->setModel(m_grid);
    grd_circuits->setFrameShape(QFrame::NoFrame);
    grd_circuits->setFont(verdanafont(9));
    grd_circuits->horizontalHeader()->hide();
    grd_circuits->verticalHeader()->hide();
    // Each column is 151 pixels plus its grid line: column 3 starts at 456 and
    // runs past the grid's right edge. Column 4, the hidden key, is not displayed.
    grd_circuits->horizontalHeader()->setDefaultSectionSize(152);
    grd_circuits->horizontalHeader()->setMinimumSectionSize(1);
    grd_circuits->verticalHeader()->setMinimumSectionSize(1);
    // Rows are 16 pixels plus their grid line, as the columns are.
    grd_circuits->verticalHeader()->setDefaultSectionSize(17);
    grd_circuits->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grd_circuits->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grd_circuits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grd_circuits->setSelectionBehavior(QAbstractItemView::SelectRows);
    grd_circuits->setSelectionMode(QAbstractItemView::SingleSelection);
    grd_circuits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_circuits->setWordWrap(false);
    grd_circuits->setTabKeyNavigation(false);
    QPalette palette = grd_circuits->palette();
    palette.setColor(QPalette::Base, Qt::white);
    grd_circuits->setPalette(palette);
    grd_circuits->setCurrentIndex(m_grid->index(0, 0));

    connect(grd_circuits, &CircuitGridView::rowClicked, this,
            [this] { guarded(this, [this] { grd_circuitsClick(); }); });
    connect(grd_circuits, &QTableView::doubleClicked, this,
            [this] { guarded(this, [this] { grd_circuitsDblClick(); }); });
}

void Tform_Main::buildFrames(QWidget* holder) {
    pnl_frameholder = borderedPanel(holder, QRect(8, 312, 577, 337), Qt::white);
    pnl_frameholder->setObjectName(QStringLiteral("pnl_frameholder"));

    frm_CircuitEdit1 = new Tfrm_CircuitEdit(pnl_frameholder);
    frm_CircuitEdit1->setObjectName(QStringLiteral("frm_CircuitEdit1"));
    frm_CircuitInfo1 = new Tfrm_CircuitInfo(pnl_frameholder);
    frm_CircuitInfo1->setObjectName(QStringLiteral("frm_CircuitInfo1"));
    frame_ExerciseStart1 = new Tframe_ExerciseStart(pnl_frameholder);
    frame_ExerciseStart1->setObjectName(QStringLiteral("frame_ExerciseStart1"));
    new RunnerAssembly(*frame_ExerciseStart1, applicationfolder());
    new RunnerDesktop(*frame_ExerciseStart1);
    frm_ExerciseFrame1 = new Tfrm_ExerciseFrame(pnl_frameholder);
    frm_ExerciseFrame1->setObjectName(QStringLiteral("frm_ExerciseFrame1"));
    // The information panel shows library records; after a change it shows the
    // selected circuit afresh, as a click on its row does.
    connect(frm_ExerciseFrame1, &Tfrm_ExerciseFrame::libraryChanged, this, [this] {
        guarded(this, [this] {
            frm_CircuitInfo1->libraryChanged();
            grd_circuitsClick();
        });
    });

    for (QWidget* frame : {static_cast<QWidget*>(frm_CircuitEdit1),
                           static_cast<QWidget*>(frm_CircuitInfo1),
                           static_cast<QWidget*>(frame_ExerciseStart1),
                           static_cast<QWidget*>(frm_ExerciseFrame1)})
        frame->setGeometry(1, 1, 575, 335);
    frm_CircuitEdit1->setCatalogueGrid(m_grid);
    // Rescans re-sort the grid: the selection follows the circuit being
    // edited by its file, so Remove never aims at another circuit.
    frm_CircuitEdit1->onCatalogueRescanned = [this](const std::string& path) {
        selectcircuit(path);
    };

    // After an import the grid lists the new circuits, the first selected,
    // and the library editor and the panel show the new records.
    m_sharing = std::make_unique<CircuitSharing>(*this, [this](const std::string& select) {
        clearcells();
        scancircuits();
        selectcircuit(select);
        frm_ExerciseFrame1->displayexercises();
        frm_CircuitInfo1->libraryChanged();
    });
    const auto share = [this](ShareAction action, const std::string& path) {
        m_sharing->choose(action, path);
    };
    frm_CircuitEdit1->onShare = share;
    frm_CircuitInfo1->onShare = share;
    bringToFront(frm_ExerciseFrame1); // the last one created lies on top
}

void Tform_Main::importcircuits(const std::string& path) {
    m_sharing->importFrom(path);
}

void Tform_Main::bringToFront(QWidget* frame) { bringframetofront(frame); }

void Tform_Main::bringToFront(MainFrame frame) {
    switch (frame) {
    case MainFrame::Runner: bringToFront(frame_ExerciseStart1); break;
    case MainFrame::CircuitEdit: bringToFront(frm_CircuitEdit1); break;
    case MainFrame::CircuitInfo: bringToFront(frm_CircuitInfo1); break;
    case MainFrame::ExerciseLibrary: bringToFront(frm_ExerciseFrame1); break;
    }
}

void Tform_Main::setBrowser(Browser& browser) {
    frame_ExerciseStart1->setBrowser(browser);
    frm_CircuitInfo1->setBrowser(browser);
}

QTableView* Tform_Main::gridView() const { return grd_circuits; }

Tform_Main::BarPictures& Tform_Main::pictures(BarButton button) {
    return m_buttons[static_cast<size_t>(button)];
}

void Tform_Main::scancircuits() { ::scancircuits(*m_grid); }

void Tform_Main::clearcells() { m_grid->clearcells(); }

int Tform_Main::selectedrow() const {
    const int row = grd_circuits->currentIndex().row();
    return row < 0 ? 0 : row;
}

std::string Tform_Main::selectedpath() const { return m_grid->cell(selectedrow(), 4); }

std::string Tform_Main::selectedname() const { return m_grid->cell(selectedrow(), 0); }

void Tform_Main::selectcircuit(const std::string& path) {
    for (int row = 0; row < kCatalogueRows; ++row) {
        const std::string& cell = m_grid->cell(row, 4);
        if (cell.empty())
            return; // the scan fills rows from the top without gaps
        if (!samecircuitfile(cell, path))
            continue;
        if (row != selectedrow()) {
            const int column = std::max(grd_circuits->currentIndex().column(), 0);
            grd_circuits->setCurrentIndex(m_grid->index(row, column));
        }
        grd_circuits->scrollTo(m_grid->index(row, 0));
        return;
    }
}

void Tform_Main::releasecircuit(const std::string& path) { frm_CircuitEdit1->releaseifedited(path); }

Tform_Main::Started Tform_Main::startcircuitat(const std::string& path) {
    if (runInProgress())
        return Started::RunUnderWay;
    clearcells();
    scancircuits();
    selectcircuit(path);
    if (!samecircuitfile(selectedpath(), path))
        return Started::NotListed;
    btn_startMouseDown();
    frame_ExerciseStart1->run().btn_startClick();
    return Started::Yes;
}

bool Tform_Main::runInProgress() const { return frame_ExerciseStart1->runInProgress(); }

void Tform_Main::showButtonPicture(BarButton button, bool hover) {
    BarPictures& shown = pictures(button);
    shown.image->setPixmap(hover ? shown.hover : shown.normal);
}

void Tform_Main::showMessage(MainMessage message) {
    switch (message) {
    case MainMessage::StopTheRunFirst:
        //: A click on a bar button while a circuit is being run.
        Dialogs::message(this, tr("Circuit must be stopped before clicking here"));
        return;
    }
}

bool Tform_Main::confirmRemoval(const std::optional<std::string>& circuitname) {
    QString question = tr("This will delete the circuit and is not undoable. Continue?");
    if (circuitname) {
        //: Second line of the removal question; %1 is the circuit's name as the grid shows it.
        question += QStringLiteral("\n\n") + tr("Circuit: %1").arg(totext(*circuitname));
    }
    return Dialogs::confirm(this, question, QPoint(400, 300));
}

bool Tform_Main::confirmQuitDuringRun() {
    //: Asked with Yes and No when the main window is closed while a circuit runs.
    return Dialogs::ask(this, tr("A circuit is running. Stop it and quit?"));
}

void Tform_Main::intialisecircuit(const std::string& path) {
    frame_ExerciseStart1->intialisecircuit(path);
}

void Tform_Main::bringRunnerStartToFront() { frame_ExerciseStart1->bringStartToFront(); }

void Tform_Main::newcircuit() { frm_CircuitEdit1->newcircuit(); }

void Tform_Main::modifycircuit(const std::string& path) { frm_CircuitEdit1->modifycircuit(path); }

void Tform_Main::showcircuitinfo(const std::string& path) {
    frm_CircuitInfo1->showcircuitinfo(path);
}

void Tform_Main::btn_startMouseDown() { m_controller.btn_startMouseDown(); }

void Tform_Main::btn_newClick() { m_controller.btn_newClick(); }

void Tform_Main::btn_infoMouseDown() { m_controller.btn_infoMouseDown(); }

void Tform_Main::btn_removeMouseDown() { m_controller.btn_removeMouseDown(); }

void Tform_Main::btn_exerciseMouseDown() { m_controller.btn_exerciseMouseDown(); }

void Tform_Main::grd_circuitsDblClick() { m_controller.grd_circuitsDblClick(); }

void Tform_Main::grd_circuitsClick() { m_controller.grd_circuitsClick(); }

void Tform_Main::pnl_buttonholderMouseMove() { m_controller.pnl_buttonholderMouseMove(); }

void Tform_Main::closeEvent(QCloseEvent* event) {
    // The window's own close button comes as a spontaneous event; a signal
    // from the session and the media controls close the window from code.
    const CloseRequest from = event->spontaneous() ? CloseRequest::User : CloseRequest::Program;
    bool closes = true;
    guarded(this, [&] { closes = m_controller.closeRequested(from); });
    if (!closes) {
        event->ignore();
        return;
    }
    QCoreApplication::quit();
    event->accept();
}
