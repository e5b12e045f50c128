#pragma once

#include <QTableView>

// The table of the circuit grid: whole rows, scrolled up and down only.
// However the current cell moves (a click on the last column, the arrow keys,
// a drag, a sideways wheel), the grid never scrolls sideways: the columns stay
// under their titles and the last column stays only partly visible.
//
// rowClicked reports a click on the grid or a keyboard move of its selected
// row: every move of the row (keyboard, any mouse button, a drag) reports the
// new row, a click on the row already selected reports it again, and a click
// that moved the row is reported once. doubleClicked comes only from a
// primary-button double click; a double click of another button acts as a
// second press.
class CircuitGridView final : public QTableView {
    Q_OBJECT
public:
    explicit CircuitGridView(QWidget* parent = nullptr);

signals:
    void rowClicked();

protected:
    void updateGeometries() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_rowBeforePress = -1; // the selected row when the last mouse press began
};
