#pragma once

#include "data/catalogue.h"

#include <QAbstractTableModel>

#include <array>
#include <string>
#include <vector>

// The cells of the main window's circuit grid: 500 rows of 5 texts, held as the
// bytes the catalogue scan wrote. Column 4 holds the full path of the circuit
// file and is the grid's hidden key: it is held, but the grid displays only
// the four columns before it.
inline constexpr int kDisplayedCircuitColumns = kCatalogueColumns - 1;

class CircuitGridModel final : public QAbstractTableModel, public CircuitGrid {
    Q_OBJECT
public:
    explicit CircuitGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The column heads (display role, horizontal): what a screen reader
    // names the columns by. The grid itself shows them in boxes above it.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    void setcell(int column, int row, const std::string& text) override;
    const std::string& cell(int row, int column) const;

    // Empties every cell of all 500 rows.
    void clearcells();

private:
    std::vector<std::array<std::string, kCatalogueColumns>> m_rows;
    std::array<QString, kDisplayedCircuitColumns> m_heads;
};
