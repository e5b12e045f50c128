#pragma once

#include "editors/circuitplancontroller.h"
#include "editors/circuitplanview.h"

#include <QDialog>

class PlanTableModel;
class QDialogButtonBox;
class QLabel;
class QSpinBox;
class QTableView;

// The "Circuit plan" dialog: the rounds, the rest between rounds, warm-up,
// cool-down and a table of each exercise entry's times. The rules live in
// CircuitPlanController; the dialog lays out and forwards.
class CircuitPlanDialog final : public QDialog, private CircuitPlanView {
    Q_OBJECT
public:
    CircuitPlanDialog(QWidget* parent, const TCircuit2& circuit, PlanStore store);

private:
    void createControls();
    QSpinBox* addField(const char* name, const QString& caption, int minimum, int maximum);
    QSpinBox* field(PlanField which) const;

    // CircuitPlanView
    void setFieldValue(PlanField field, int value) override;
    int fieldValue(PlanField field) const override;
    void setRowCount(int rows) override;
    void setCell(int row, PlanColumn column, const PlanCell& cell) override;
    void selectCell(int row, PlanColumn column) override;
    void showProblem(const PlanProblem& problem) override;
    void showMessage(const PlanProblem& problem) override;
    void closeStored() override;

    CircuitPlanController m_controller;

    QSpinBox* spn_rounds = nullptr;
    QSpinBox* spn_roundrest = nullptr;
    QSpinBox* spn_warmup = nullptr;
    QSpinBox* spn_cooldown = nullptr;
    QTableView* grd_plan = nullptr;
    PlanTableModel* m_model = nullptr;
    QLabel* lbl_planproblem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
