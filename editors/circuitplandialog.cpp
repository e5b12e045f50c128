#include "editors/circuitplandialog.h"

#include "editors/editorwords.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/textconv.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace {
const QColor kWarning(170, 0, 0); // as the circuit editor's name problem

QString nonetext() {
    //: A field of seconds set to nothing: no rest between rounds, no warm-up, no cool-down.
    return QCoreApplication::translate("CircuitPlanDialog", "None");
}
} // namespace

// The table's cells as the controller last set them. An edit goes to the
// controller, which sets the cell it should show.
class PlanTableModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    std::function<void(int row, PlanColumn column, const std::string& text)> onEdit;

    void setRows(int rows) {
        beginResetModel();
        m_cells.assign(static_cast<size_t>(std::max(rows, 0)), Row{});
        endResetModel();
    }

    void setCell(int row, PlanColumn column, const PlanCell& cell) {
        if (row < 0 || row >= rowCount())
            return;
        m_cells[static_cast<size_t>(row)][static_cast<size_t>(column)] = cell;
        const QModelIndex at = index(row, static_cast<int>(column));
        emit dataChanged(at, at);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kPlanColumns;
    }

    QVariant data(const QModelIndex& at, int role) const override {
        if (!at.isValid())
            return {};
        const PlanCell& cell =
            m_cells[static_cast<size_t>(at.row())][static_cast<size_t>(at.column())];
        const bool number = at.column() != static_cast<int>(PlanColumn::Exercise);
        switch (role) {
        case Qt::DisplayRole:
            return totext(cell.text);
        case Qt::EditRole: // an editor on the circuit's value opens empty
            return cell.look == PlanCell::Look::Circuits ? QString() : totext(cell.text);
        case Qt::ForegroundRole:
            if (cell.look == PlanCell::Look::Circuits)
                return QColor(Qt::gray);
            if (cell.look == PlanCell::Look::Refused)
                return kWarning;
            return {};
        case Qt::ToolTipRole:
            if (number && cell.look == PlanCell::Look::Circuits)
                //: Tool tip of a grey cell that shows the circuit's own time or count.
                return QCoreApplication::translate("CircuitPlanDialog", "The circuit's value");
            return {};
        case Qt::TextAlignmentRole:
            return number ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section + 1;
        return section >= 0 && section < kPlanColumns
                   ? EditorWords::planColumn(static_cast<PlanColumn>(section))
                   : QString();
    }

    Qt::ItemFlags flags(const QModelIndex& at) const override {
        if (!at.isValid())
            return Qt::NoItemFlags;
        const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        // The exercise's name is shown, never edited here.
        return at.column() == static_cast<int>(PlanColumn::Exercise) ? shown
                                                                     : shown | Qt::ItemIsEditable;
    }

    bool setData(const QModelIndex& at, const QVariant& value, int role) override {
        if (!at.isValid() || role != Qt::EditRole || !(flags(at) & Qt::ItemIsEditable))
            return false;
        if (onEdit)
            onEdit(at.row(), static_cast<PlanColumn>(at.column()), tobytes(value.toString()));
        return true;
    }

private:
    using Row = std::array<PlanCell, kPlanColumns>;
    std::vector<Row> m_cells;
};

CircuitPlanDialog::CircuitPlanDialog(QWidget* parent, const TCircuit2& circuit, PlanStore store)
    : QDialog(parent), m_controller(*this, circuit, std::move(store)) {
    setObjectName(QStringLiteral("dlg_circuitplan"));
    //: Title of the dialog of rounds, warm-up, cool-down and each exercise's times.
    setWindowTitle(tr("Circuit plan"));
    createControls();
    m_controller.show();
}

QSpinBox* CircuitPlanDialog::addField(const char* name, const QString& caption, int minimum,
                                      int maximum) {
    auto* box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, maximum);
    box->setAccessibleName(caption);
    return box;
}

void CircuitPlanDialog::createControls() {
    resize(560, 440);

    //: Caption of the field of the number of rounds.
    spn_rounds = addField("spn_rounds", tr("Rounds"), 1, kMaxRounds);
    // One below the range says "none": round 2 and on begin with the first
    // exercise's own rest.
    //: Caption of a field of seconds.
    spn_roundrest = addField("spn_roundrest", tr("Rest between rounds"), -1, kMaxKeySeconds);
    spn_roundrest->setSpecialValueText(nonetext());
    //: Read out by screen readers for the field of rest between rounds.
    spn_roundrest->setAccessibleDescription(
        tr("None: rounds 2 and on begin with the first exercise's own rest."));
    //: Caption of a field of seconds.
    spn_warmup = addField("spn_warmup", tr("Warm-up"), 0, kMaxKeySeconds);
    spn_warmup->setSpecialValueText(nonetext());
    //: Caption of a field of seconds.
    spn_cooldown = addField("spn_cooldown", tr("Cool-down"), 0, kMaxKeySeconds);
    spn_cooldown->setSpecialValueText(nonetext());
    for (QSpinBox* seconds : {spn_roundrest, spn_warmup, spn_cooldown})
        //: Unit after the number in a field of seconds, with its leading space.
        seconds->setSuffix(tr(" s"));

    auto* fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (QSpinBox* box : {spn_rounds, spn_roundrest, spn_warmup, spn_cooldown}) {
        auto* caption = new QLabel(box->accessibleName(), this);
        caption->setBuddy(box);
        fields->addRow(caption, box);
    }

    auto* hint = new QLabel(
        tr("Times are in seconds. An empty cell takes the circuit's value, shown in grey."), this);
    hint->setWordWrap(true);

    m_model = new PlanTableModel(this);
    m_model->onEdit = [this](int row, PlanColumn column, const std::string& text) {
        guarded(this, [&] { m_controller.cellEdited(row, column, text); });
    };
    grd_plan = new QTableView(this);
    grd_plan->setObjectName(QStringLiteral("grd_plan"));
    //: Read out by screen readers for the table of the circuit's exercises.
    grd_plan->setAccessibleName(tr("Exercises"));
    grd_plan->setModel(m_model);
    grd_plan->setSelectionMode(QAbstractItemView::SingleSelection);
    grd_plan->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab leaves the table for the next control; the arrows move between cells.
    grd_plan->setTabKeyNavigation(false);
    grd_plan->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    QHeaderView* header = grd_plan->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(static_cast<int>(PlanColumn::Exercise), QHeaderView::Stretch);

    lbl_planproblem = new QLabel(this);
    lbl_planproblem->setObjectName(QStringLiteral("lbl_planproblem"));
    lbl_planproblem->setTextFormat(Qt::PlainText);
    lbl_planproblem->setWordWrap(true);
    QPalette warning = lbl_planproblem->palette();
    warning.setColor(QPalette::WindowText, kWarning);
    lbl_planproblem->setPalette(warning);
    lbl_planproblem->hide();

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this,
            [this] { guarded(this, [this] { m_controller.btn_okClick(); }); });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(hint);
    layout->addWidget(grd_plan, 1);
    layout->addWidget(lbl_planproblem);
    layout->addWidget(m_buttons);
}

QSpinBox* CircuitPlanDialog::field(PlanField which) const {
    switch (which) {
    case PlanField::Rounds:
        return spn_rounds;
    case PlanField::RoundRest:
        return spn_roundrest;
    case PlanField::WarmUp:
        return spn_warmup;
    case PlanField::CoolDown:
        break;
    }
    return spn_cooldown;
}

// --- CircuitPlanView ---------------------------------------------------------

void CircuitPlanDialog::setFieldValue(PlanField which, int value) {
    field(which)->setValue(value);
}

int CircuitPlanDialog::fieldValue(PlanField which) const {
    return field(which)->value();
}

void CircuitPlanDialog::setRowCount(int rows) {
    m_model->setRows(rows);
}

void CircuitPlanDialog::setCell(int row, PlanColumn column, const PlanCell& cell) {
    m_model->setCell(row, column, cell);
}

void CircuitPlanDialog::selectCell(int row, PlanColumn column) {
    grd_plan->setCurrentIndex(m_model->index(row, static_cast<int>(column)));
    grd_plan->setFocus(Qt::OtherFocusReason);
}

void CircuitPlanDialog::showProblem(const PlanProblem& problem) {
    lbl_planproblem->setText(EditorWords::planProblem(problem));
    lbl_planproblem->setVisible(!problem.empty());
    grd_plan->setAccessibleDescription(lbl_planproblem->text());
}

void CircuitPlanDialog::showMessage(const PlanProblem& problem) {
    Dialogs::message(this, EditorWords::planProblem(problem));
}

void CircuitPlanDialog::closeStored() {
    accept();
}
