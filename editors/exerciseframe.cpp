#include "editors/exerciseframe.h"

#include "editors/editorwords.h"
#include "editors/exercisegridmodel.h"
#include "editors/exercisememo.h"
#include "editors/exercisetoolbar.h"
#include "ui/clickablelabel.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/fixedlayout.h"
#include "ui/fonts.h"
#include "ui/panels.h"
#include "ui/pictures.h"
#include "ui/quietchanges.h"
#include "ui/textconv.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QHideEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QTableView>
#include <limits>

namespace {
constexpr int kFrameWidth = 575;
constexpr int kFrameHeight = 335;
constexpr int kGridTop = 41;
constexpr int kGridHeight = 105;
// Seven whole rows fill the grid's designed height; no row is cut at its foot.
constexpr int kGridRowHeight = 15;
static_assert(kGridHeight % kGridRowHeight == 0);
constexpr int kToolBarHeight = 41;
constexpr int kToolWidth = 38;
constexpr int kToolHeight = 34;

QLabel* makeHead(QWidget* parent, const QString& name, const QString& caption, int left,
                 int width) {
    auto* head = new QLabel(caption, parent);
    head->setObjectName(name);
    head->setGeometry(left, 0, width, 24);
    head->setFont(verdanafont(11, true));
    head->setAlignment(Qt::AlignCenter);
    head->setFrameStyle(QFrame::Panel | QFrame::Raised);
    head->setLineWidth(1);
    return head;
}

// The type list's box is 145 pixels wide by design, a few pixels short of
// "Multiple Area Workout" with the desktop style's padding. The text takes the
// padding left of it and part of the arrow button's width, which is drawn
// narrower; the box keeps its place and size, and the list as it opens is
// unchanged.
class RoomyComboStyle final : public QProxyStyle {
public:
    static constexpr int kTextGain = 2;  // pixels taken from the padding left of the text
    static constexpr int kArrowGain = 4; // pixels taken from the arrow button

    // Over the program's own style, as the other controls have it.
    RoomyComboStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox)
            return rect;
        const bool leftToRight = option->direction != Qt::RightToLeft;
        if (part == SC_ComboBoxArrow) {
            if (leftToRight)
                rect.setLeft(rect.left() + kArrowGain);
            else
                rect.setRight(rect.right() - kArrowGain);
        } else if (part == SC_ComboBoxEditField) {
            rect.adjust(leftToRight ? -kTextGain : -kArrowGain, 0,
                        leftToRight ? kArrowGain : kTextGain, 0);
        }
        return rect;
    }
};

// The grid's column heads, drawn above it in the design's own strip and
// given to its model, so a screen reader names each cell's column.
QStringList columnHeads() {
    return {
        //: Column head of the exercise grid, 152 pixels wide in a large bold font.
        Tfrm_ExerciseFrame::tr("Exercise Name"),
        //: Column head of the exercise grid, 104 pixels wide in a large bold font.
        Tfrm_ExerciseFrame::tr("Type"),
        //: Column head of the exercise grid, over the rest of the width.
        Tfrm_ExerciseFrame::tr("Exercise Description")};
}

// Shows the text's bytes in a field without setting off its reaction; true
// when the text the field shows changed. The bytes are kept so that a text the
// user leaves alone is stored back byte for byte.
template <class Field>
bool showBytes(Field* field, void (Field::*replace)(const QString&), std::string& bytes,
               const std::string& text, QuietChanges& quiet) {
    bytes = text;
    const QString before = field->text();
    const QString shown = totext(text);
    if (shown == before)
        return false;
    quiet.quietly([&] { (field->*replace)(shown); });
    return field->text() != before;
}
} // namespace

Tfrm_ExerciseFrame::Tfrm_ExerciseFrame(QWidget* parent)
    : QWidget(parent), m_controller(*this, exercisetable()) {
    setObjectName(QStringLiteral("frm_ExerciseFrame1"));
    resize(kFrameWidth, kFrameHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFont(verdanafont(11));

    buildHeads();
    buildGrid();
    buildFields();
    buildToolBar();
}

void Tfrm_ExerciseFrame::loadexercises() {
    m_controller.loadexercises();
}
void Tfrm_ExerciseFrame::saveexercises() {
    m_controller.saveexercises();
}
void Tfrm_ExerciseFrame::displayexercises() {
    m_controller.displayexercises();
}

void Tfrm_ExerciseFrame::buildHeads() {
    //: Title of the exercise library editor, in a strip across the frame.
    makeTitleStrip(this, "Panel6", QStringLiteral("   ") + tr("Exercise Editor"), 17,
                   verdanafont(11, true));

    auto* heads = placeControl<QWidget>(this, "Panel2", QRect(0, 17, kFrameWidth, 24));
    const QStringList captions = columnHeads();
    makeHead(heads, QStringLiteral("Panel5"), captions[0], 0, 152);
    makeHead(heads, QStringLiteral("Panel4"), captions[1], 152, 104);
    makeHead(heads, QStringLiteral("Panel3"), captions[2], 256, kFrameWidth - 256);
}

void Tfrm_ExerciseFrame::buildGrid() {
    m_gridModel = new ExerciseGridModel(ExerciseEditController::kGridRows,
                                        ExerciseEditController::kGridColumns, this);
    grd_circuits = placeControl<QTableView>(this, "grd_circuits",
                                            QRect(0, kGridTop, kFrameWidth, kGridHeight));
    m_gridModel->setHeads(columnHeads());
    grd_circuits->setModel(m_gridModel);
    //: Read out by screen readers for the grid of every exercise in the library.
    grd_circuits->setAccessibleName(tr("Exercise library"));
    // Tab leaves the grid for the name field; the arrows move between rows.
    grd_circuits->setTabKeyNavigation(false);
    grd_circuits->setFont(verdanafont(11));
    grd_circuits->horizontalHeader()->hide();
    grd_circuits->verticalHeader()->hide();
    grd_circuits->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    grd_circuits->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    grd_circuits->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grd_circuits->setColumnWidth(0, 150);
    grd_circuits->setColumnWidth(1, 104);
    grd_circuits->setColumnWidth(2, 349);
    grd_circuits->setSelectionBehavior(QAbstractItemView::SelectRows);
    grd_circuits->setSelectionMode(QAbstractItemView::SingleSelection);
    grd_circuits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_circuits->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grd_circuits->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grd_circuits->setWordWrap(false);
    grd_circuits->setFrameShape(QFrame::NoFrame);

    // A keyboard move of the current row counts as a click, as does a click on
    // the row that is already current.
    connect(grd_circuits->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            m_quiet.reaction([this] { grd_circuitsClick(); }));
    connect(grd_circuits, &QTableView::clicked, this, [this] { grd_circuitsClick(); });
}

void Tfrm_ExerciseFrame::buildFields() {
    // The captions take the frame's font.
    //: Caption above the name field, 193 pixels wide.
    QLabel* nameCaption = makeCaption(this, "lbl_exname", tr("Exercise Name"), 8, 152);
    txt_exname = placeControl<QLineEdit>(this, "txt_exname", QRect(8, 168, 193, 21));
    nameCaption->setBuddy(txt_exname);
    txt_exname->setMaxLength(std::numeric_limits<int>::max()); // a long name is never cut
    connect(txt_exname, &QLineEdit::textChanged, this,
            m_quiet.reaction([this] { txt_exnameChange(); }));
    connect(txt_exname, &QLineEdit::returnPressed, this, [this] { txt_exnameExit(); });
    txt_exname->installEventFilter(this);

    //: Caption above the type list, 145 pixels wide.
    QLabel* typeCaption = makeCaption(this, "Label2", tr("Exercise Type"), 216, 152);
    txt_extype = placeControl<QComboBox>(this, "txt_extype", QRect(216, 168, 145, 21));
    typeCaption->setBuddy(txt_extype);
    txt_extype->setEditable(false);
    auto* roomy = new RoomyComboStyle;
    roomy->setParent(txt_extype);
    txt_extype->setStyle(roomy);
    // The record takes the type as the list shows it.
    for (const StoredWord type : kTypeWords)
        txt_extype->addItem(EditorWords::storedWord(type));
    txt_extype->setCurrentIndex(-1);
    // activated is the user's pick only; the program's settings pass silently.
    connect(txt_extype, &QComboBox::activated, this, [this](int index) {
        if (!m_quiet.active())
            txt_extypeChange(index);
    });

    //: Caption above the description field.
    QLabel* descriptionCaption = makeCaption(this, "Label1", tr("Exercise Description"), 8, 196);
    mmo_exdescription =
        placeControl<ExerciseMemo>(this, "mmo_exdescription", QRect(7, 212, 561, 41));
    descriptionCaption->setBuddy(mmo_exdescription);
    connect(mmo_exdescription, &QPlainTextEdit::textChanged, this,
            m_quiet.reaction([this] { mmo_exdescriptionChange(); }));
}

void Tfrm_ExerciseFrame::buildToolBar() {
    ToolBar1 = new ExerciseToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, kFrameHeight - kToolBarHeight, kFrameWidth, kToolBarHeight);
    fillBackground(ToolBar1, lightGrey());
    ToolBar1->onMove = [this] { m_controller.ToolBar1MouseMove(); };

    btn_save1 = makeHolder(QStringLiteral("btn_save1"), 4, QStringLiteral("tool_save1.jpg"));
    btn_save2 = makeHolder(QStringLiteral("btn_save2"), 4, QStringLiteral("tool_save2.jpg"));
    btn_newex1 = makeHolder(QStringLiteral("btn_newex1"), 46, QStringLiteral("tool_new1.jpg"));
    btn_newex2 = makeHolder(QStringLiteral("btn_newex2"), 46, QStringLiteral("tool_new2.jpg"));
    btn_deleteex1 =
        makeHolder(QStringLiteral("btn_deleteex1"), 88, QStringLiteral("tool_delete1.jpg"));
    btn_deleteex2 =
        makeHolder(QStringLiteral("btn_deleteex2"), 88, QStringLiteral("tool_delete2.jpg"));

    //: Tool tip of the save picture.
    btn_save = makeTool(QStringLiteral("btn_save"), 4, tr("Save the exercise library"));
    btn_save->setPixmap(btn_save1->pixmap());
    btn_save->onClick = [this] { btn_saveClick(); };
    btn_save->onMove = [this] { m_controller.btn_saveMouseMove(); };

    //: Tool tip of the new exercise picture.
    btn_newex = makeTool(QStringLiteral("btn_newex"), 46, tr("Add a new exercise"));
    btn_newex->setPixmap(btn_newex1->pixmap());
    btn_newex->onClick = [this] { btn_newexClick(); };
    btn_newex->onMove = [this] { m_controller.btn_newexMouseMove(); };

    //: Tool tip of the delete picture.
    btn_deleteex = makeTool(QStringLiteral("btn_deleteex"), 88, tr("Delete the selected exercise"));
    btn_deleteex->setPixmap(btn_deleteex1->pixmap());
    btn_deleteex->onClick = [this] { btn_deleteexClick(); };
    btn_deleteex->onMove = [this] { m_controller.btn_deleteexMouseMove(); };
}

ClickableLabel* Tfrm_ExerciseFrame::makeTool(const QString& name, int left, const QString& hint) {
    auto* tool = new ClickableLabel(ToolBar1);
    tool->setObjectName(name);
    tool->setGeometry(left, (kToolBarHeight - kToolHeight) / 2, kToolWidth, kToolHeight);
    tool->setCursor(Qt::PointingHandCursor);
    tool->setToolTip(hint);
    // A picture button: Tab reaches it, and it says its action in words.
    tool->setRole(ClickableLabel::Role::Button);
    tool->setAccessibleName(hint);
    return tool;
}

QLabel* Tfrm_ExerciseFrame::makeHolder(const QString& name, int left, const QString& pictureName) {
    auto* holder = new QLabel(ToolBar1);
    holder->setObjectName(name);
    holder->setGeometry(left, (kToolBarHeight - kToolHeight) / 2, kToolWidth, kToolHeight);
    holder->setPixmap(picture(pictureName));
    holder->hide();
    return holder;
}

// Every reaction of a control runs here, so no error escapes into Qt.
template <class Body> void Tfrm_ExerciseFrame::react(Body&& body) {
    guarded(this, std::forward<Body>(body));
}

void Tfrm_ExerciseFrame::grd_circuitsClick() {
    react([this] { m_controller.grd_circuitsClick(); });
}
void Tfrm_ExerciseFrame::txt_exnameChange() {
    react([this] { m_controller.txt_exnameChange(); });
}

void Tfrm_ExerciseFrame::txt_exnameExit() {
    react([this] { m_controller.txt_exnameExit(); });
}

// The name field is left when the focus moves elsewhere in the window; a
// switch to another window, or a dialog over this one, leaves it to come back.
bool Tfrm_ExerciseFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txt_exname && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txt_exnameExit();
    }
    return QWidget::eventFilter(watched, event);
}

// Leaving the front is being done with the name; minimising the window is not.
void Tfrm_ExerciseFrame::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        txt_exnameExit();
}

void Tfrm_ExerciseFrame::txt_extypeChange(int index) {
    react([this, index] { m_controller.txt_extypeChange(tobytes(txt_extype->itemText(index))); });
}

void Tfrm_ExerciseFrame::mmo_exdescriptionChange() {
    react([this] { m_controller.mmo_exdescriptionChange(); });
}

void Tfrm_ExerciseFrame::btn_saveClick() {
    react([this] { m_controller.btn_saveClick(); });
}
void Tfrm_ExerciseFrame::btn_newexClick() {
    react([this] { m_controller.btn_newexClick(); });
}
void Tfrm_ExerciseFrame::btn_deleteexClick() {
    react([this] { m_controller.btn_deleteexClick(); });
}

void Tfrm_ExerciseFrame::setCell(int row, int column, const std::string& text) {
    m_gridModel->setCell(row, column, totext(text));
}

int Tfrm_ExerciseFrame::rowCount() const {
    return m_gridModel->rowCount();
}

void Tfrm_ExerciseFrame::setRowCount(int rows) {
    // Removing the current row moves the current row; that is no click.
    m_quiet.quietly([&] { m_gridModel->setRows(rows); });
}

int Tfrm_ExerciseFrame::currentRow() const {
    const QModelIndex current = grd_circuits->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void Tfrm_ExerciseFrame::setCurrentRow(int row) {
    m_quiet.quietly([&] {
        const QModelIndex index = m_gridModel->index(row, 0);
        grd_circuits->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
        grd_circuits->scrollTo(index);
    });
}

bool Tfrm_ExerciseFrame::setNameText(const std::string& text) {
    return showBytes(txt_exname, &QLineEdit::setText, m_nameBytes, text, m_quiet);
}

std::string Tfrm_ExerciseFrame::nameText() const {
    return tobytes(txt_exname->text(), m_nameBytes);
}

void Tfrm_ExerciseFrame::setTypeText(const std::string& type) {
    m_quiet.quietly([&] { txt_extype->setCurrentIndex(txt_extype->findText(totext(type))); });
}

bool Tfrm_ExerciseFrame::setDescriptionText(const std::string& text) {
    return showBytes(mmo_exdescription, &ExerciseMemo::replaceText, m_descriptionBytes, text,
                     m_quiet);
}

std::string Tfrm_ExerciseFrame::descriptionText() const {
    return tobytes(mmo_exdescription->text(), m_descriptionBytes);
}

void Tfrm_ExerciseFrame::showToolPicture(ExerciseTool tool, bool highlighted) {
    switch (tool) {
    case ExerciseTool::Save:
        btn_save->setPixmap((highlighted ? btn_save2 : btn_save1)->pixmap());
        break;
    case ExerciseTool::New:
        btn_newex->setPixmap((highlighted ? btn_newex2 : btn_newex1)->pixmap());
        break;
    case ExerciseTool::Delete:
        btn_deleteex->setPixmap((highlighted ? btn_deleteex2 : btn_deleteex1)->pixmap());
        break;
    }
}

std::string Tfrm_ExerciseFrame::storedWord(StoredWord word) const {
    return tobytes(EditorWords::storedWord(word));
}

void Tfrm_ExerciseFrame::showMessage(const EditorText& text) {
    Dialogs::message(this, EditorWords::text(text));
}

bool Tfrm_ExerciseFrame::askRenameInCircuits(const EditorText& question) {
    return Dialogs::ask(this, EditorWords::text(question));
}

void Tfrm_ExerciseFrame::reportLibraryChange() {
    emit libraryChanged();
}
