#include "editors/circuitedit.h"

#include "data/ioerror.h"
#include "editors/circuitinterval.h"
#include "editors/circuitintervalfield.h"
#include "editors/circuitnames.h"
#include "editors/circuitplandialog.h"
#include "editors/editorwords.h"
#include "ui/dialogs.h"
#include "ui/enterclick.h"
#include "editors/sharebutton.h"
#include "ui/errorguard.h"
#include "ui/fixedlayout.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/textconv.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
// A list button shows its picture; while the artwork is missing it shows a
// sign instead, so the editor still works.
QPushButton* makeListButton(QWidget* parent, const char* name, const char* picturename,
                            const QString& sign, const QString& tip, int left) {
    auto* button = placeControl<QPushButton>(parent, name, QRect(left, 208, 33, 33));
    button->setToolTip(tip);
    // A picture button says its action in words, not the group it sits in.
    button->setAccessibleName(tip);
    button->setCursor(Qt::PointingHandCursor);
    clickonenter(button);
    try {
        button->setIcon(QIcon(picture(QString::fromLatin1(picturename))));
        button->setIconSize(QSize(33, 33));
        button->setFlat(true);
        // The picture is the whole button; the keyboard's focus shows as a
        // thin frame in the focus mark's blue, and only Tab gives it.
        button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"
                                             "QPushButton:focus { border: 1px solid #0000ff; "
                                             "border-radius: 3px; }"));
        button->setFocusPolicy(Qt::TabFocus);
    } catch (const IoError&) {
        button->setText(sign);
    }
    return button;
}
} // namespace

Tfrm_CircuitEdit::Tfrm_CircuitEdit(QWidget* parent) : QWidget(parent), m_controller(*this) {
    setObjectName(QStringLiteral("frm_CircuitEdit1"));
    createControls();
    connectReactions();
}

void Tfrm_CircuitEdit::createControls() {
    resize(575, 335);
    setFont(verdanafont(9));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    //: Title of the circuit editor, in a strip across the frame.
    Panel1 = makeTitleStrip(this, "Panel1", QStringLiteral("   ") + tr("Circuit Modifier"), 17,
                            verdanafont(11, true));

    //: Caption above the name field, 145 pixels wide.
    Label1 = makeCaption(this, "Label1", tr("Circuit Name"), 8, 24);
    edt_circuitname = placeControl<QLineEdit>(this, "edt_circuitname", QRect(8, 40, 145, 21));
    Label1->setBuddy(edt_circuitname);
    // Beside the name field, in the free space left of the exercise group.
    lbl_nameproblem = placeControl<QLabel>(this, "lbl_nameproblem", QRect(160, 24, 162, 96));
    lbl_nameproblem->setTextFormat(Qt::PlainText);
    lbl_nameproblem->setWordWrap(true);
    lbl_nameproblem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warning = lbl_nameproblem->palette();
    warning.setColor(QPalette::WindowText, QColor(170, 0, 0));
    lbl_nameproblem->setPalette(warning);
    lbl_nameproblem->hide();

    //: Caption above the type list, 145 pixels wide.
    Label5 = makeCaption(this, "Label5", tr("Circuit Type"), 8, 64);
    cmb_circuittype = placeControl<QComboBox>(this, "cmb_circuittype", QRect(8, 80, 145, 21));
    Label5->setBuddy(cmb_circuittype);
    for (const StoredWord type : kTypeWords)
        cmb_circuittype->addItem(EditorWords::storedWord(type));

    //: Caption above a field of seconds, 145 pixels wide.
    Label2 = makeCaption(this, "Label2", tr("Exercise Interval"), 8, 104);
    spn_exercise = placeControl<CircuitIntervalField>(this, "spn_exercise", QRect(8, 120, 73, 21));
    Label2->setBuddy(spn_exercise);

    //: Caption above a field of seconds, 145 pixels wide.
    Label3 = makeCaption(this, "Label3", tr("Rest Interval"), 8, 144);
    spn_restint = placeControl<CircuitIntervalField>(this, "spn_restint", QRect(8, 160, 73, 21));
    Label3->setBuddy(spn_restint);

    for (IntervalField which : {IntervalField::Exercise, IntervalField::Rest}) {
        const IntervalRange range = intervalrange(which);
        field(which)->setRange(static_cast<int>(range.minimum), static_cast<int>(range.maximum));
        field(which)->setSingleStep(1);
    }
    spn_exercise->setValue(30);
    spn_restint->setValue(15);

    // Below the interval fields, in the free space left of the exercise group.
    btn_circuitplan = placeControl<QPushButton>(this, "btn_circuitplan", QRect(8, 192, 145, 25));
    //: Button 145 pixels wide that opens the circuit plan.
    btn_circuitplan->setText(tr("Rounds and times..."));
    clickonenter(btn_circuitplan);
    btn_share = makesharebutton(this, "btn_share", QRect(8, 224, 145, 25), [this](ShareAction action) {
        if (onShare)
            onShare(action, m_controller.storedpath());
    });
    clickonenter(btn_share);

    //: Title of the group 241 pixels wide that holds the circuit's exercises.
    GroupBox1 = new QGroupBox(tr("Circuits Exercises"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(328, 25, 241, 249);

    lst_circuitex = placeControl<QListWidget>(GroupBox1, "lst_circuitex", QRect(8, 16, 217, 161));
    lst_circuitex->setSelectionMode(QAbstractItemView::SingleSelection);
    // The group's title is the list's caption; the controls below it say their own.
    lst_circuitex->setAccessibleName(GroupBox1->title());

    cmb_exercises = placeControl<QComboBox>(GroupBox1, "cmb_exercises", QRect(8, 184, 217, 21));
    //: Read out by screen readers for the list of exercises to add to the circuit.
    cmb_exercises->setAccessibleName(tr("Exercise to add"));

    //: Tool tip: adds the exercise chosen in the list to the circuit.
    btn_newexercise = makeListButton(GroupBox1, "btn_newexercise", "list_add.jpg",
                                     QStringLiteral("+"), tr("Add"), 8);
    //: Tool tip: moves the selected exercise one place up in the circuit.
    btn_moveup = makeListButton(GroupBox1, "btn_moveup", "list_up.jpg", QStringLiteral("\u2191"),
                                tr("Move Up"), 40);
    //: Tool tip: moves the selected exercise one place down in the circuit.
    btn_movedown = makeListButton(GroupBox1, "btn_movedown", "list_down.jpg",
                                  QStringLiteral("\u2193"), tr("Move Down"), 72);
    //: Tool tip: removes the selected exercise from the circuit.
    btn_delete = makeListButton(GroupBox1, "btn_delete", "list_remove.jpg",
                                QStringLiteral("\u2212"), tr("Remove"), 104);
}

void Tfrm_CircuitEdit::connectReactions() {
    // Every change of the shown text but the editor's own (made quietly: the
    // controller runs those reactions itself) reaches the rules: typing, a
    // paste, an undo, and a text set through the accessibility interface alike.
    connect(edt_circuitname, &QLineEdit::textChanged, this, m_quiet.reaction([this] {
        guarded(this, [this] { m_controller.edt_circuitnameChange(); });
    }));
    edt_circuitname->installEventFilter(this);
    // activated: only the user's pick, never a selection made by the editor.
    connect(cmb_circuittype, &QComboBox::activated, this, [this](int index) {
        guarded(this, [this, index] { m_controller.cmb_circuittypeChange(index); });
    });
    spn_exercise->onTextChange =
        m_quiet.reaction([this] { guarded(this, [this] { m_controller.spn_exerciseChange(); }); });
    spn_restint->onTextChange =
        m_quiet.reaction([this] { guarded(this, [this] { m_controller.spn_restintChange(); }); });
    connect(btn_newexercise, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { m_controller.btn_newexerciseClick(); }); });
    connect(btn_moveup, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { m_controller.btn_moveupClick(); }); });
    connect(btn_movedown, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { m_controller.btn_movedownClick(); }); });
    connect(btn_delete, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { m_controller.btn_deleteClick(); }); });
    connect(btn_circuitplan, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { m_controller.btn_circuitplanClick(); }); });
}

// Leaving the name field for another control stores under the whole name. A
// focus loss to another window or a popup is not leaving the field, and one
// that comes with hiding the editor is left to hideEvent.
bool Tfrm_CircuitEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edt_circuitname && event->type() == QEvent::FocusOut && !isHidden()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            guarded(this, [this] { m_controller.edt_circuitnameExit(); });
    }
    return QWidget::eventFilter(watched, event);
}

void Tfrm_CircuitEdit::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    guarded(this, [this] { m_controller.leavefront(); });
}

void Tfrm_CircuitEdit::newcircuit() {
    m_controller.newcircuit();
}

void Tfrm_CircuitEdit::modifycircuit(const std::string& path) {
    m_controller.modifycircuit(path);
}

void Tfrm_CircuitEdit::setCatalogueGrid(CircuitGrid* grid) {
    m_controller.setCatalogueGrid(grid);
}

void Tfrm_CircuitEdit::releaseifedited(const std::string& path) {
    m_controller.releaseifedited(path);
}

// --- CircuitEditView ---------------------------------------------------------

std::string Tfrm_CircuitEdit::nameText() const {
    return tobytes(edt_circuitname->text(), m_shownName);
}

void Tfrm_CircuitEdit::setNameText(const std::string& text) {
    m_shownName = text;
    m_quiet.quietly([&] { edt_circuitname->setText(totext(text)); });
}

void Tfrm_CircuitEdit::selectType(int index) {
    m_quiet.quietly([&] { cmb_circuittype->setCurrentIndex(index); });
}

CircuitIntervalField* Tfrm_CircuitEdit::field(IntervalField which) const {
    return which == IntervalField::Exercise ? spn_exercise : spn_restint;
}

std::string Tfrm_CircuitEdit::intervalText(IntervalField which) const {
    return field(which)->shownText().toStdString();
}

void Tfrm_CircuitEdit::setIntervalText(IntervalField which, const std::string& text) {
    m_quiet.quietly([&] { field(which)->setShownText(QString::fromStdString(text)); });
}

void Tfrm_CircuitEdit::setChoices(const std::vector<std::string>& names) {
    cmb_exercises->clear();
    for (const std::string& name : names)
        cmb_exercises->addItem(totext(name));
}

void Tfrm_CircuitEdit::selectChoice(int index) {
    cmb_exercises->setCurrentIndex(index);
}

int Tfrm_CircuitEdit::selectedChoice() const {
    return cmb_exercises->currentIndex();
}

void Tfrm_CircuitEdit::setExerciseLines(const std::vector<std::string>& names) {
    lst_circuitex->clear();
    for (const std::string& name : names)
        lst_circuitex->addItem(totext(name));
}

void Tfrm_CircuitEdit::selectExerciseLine(int index) {
    lst_circuitex->setCurrentRow(index);
    if (index < 0)
        lst_circuitex->clearSelection();
}

int Tfrm_CircuitEdit::selectedExerciseLine() const {
    const QListWidgetItem* item = lst_circuitex->currentItem();
    return item && item->isSelected() ? lst_circuitex->row(item) : -1;
}

std::string Tfrm_CircuitEdit::storedWord(StoredWord word) const {
    return tobytes(EditorWords::storedWord(word));
}

void Tfrm_CircuitEdit::showMessage(const EditorMessage& message) {
    Dialogs::message(this, EditorWords::message(message));
}

void Tfrm_CircuitEdit::showNameProblem(const EditorText& text) {
    lbl_nameproblem->setText(EditorWords::text(text));
    lbl_nameproblem->setVisible(!text.empty());
    edt_circuitname->setAccessibleDescription(lbl_nameproblem->text());
}

void Tfrm_CircuitEdit::setEditable(bool editable) {
    for (QWidget* control :
         {static_cast<QWidget*>(edt_circuitname), static_cast<QWidget*>(cmb_circuittype),
          static_cast<QWidget*>(spn_exercise), static_cast<QWidget*>(spn_restint),
          static_cast<QWidget*>(btn_circuitplan), static_cast<QWidget*>(GroupBox1)})
        control->setEnabled(editable);
}

void Tfrm_CircuitEdit::followInCatalogue(const std::string& path) {
    if (onCatalogueRescanned)
        onCatalogueRescanned(path);
}

void Tfrm_CircuitEdit::openCircuitPlan(const TCircuit2& circuit) {
    auto* dialog = new CircuitPlanDialog(
        this, circuit, [this](const CircuitKeys& keys, const std::vector<EntryKeys>& entries) {
            return m_controller.storeplan(keys, entries);
        });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open(); // modal to the window, without a nested event loop
}
