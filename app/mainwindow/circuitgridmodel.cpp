#include "app/mainwindow/circuitgridmodel.h"

#include "ui/textconv.h"

CircuitGridModel::CircuitGridModel(QObject* parent)
    : QAbstractTableModel(parent), m_rows(kCatalogueRows) {}

int CircuitGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kCatalogueRows;
}

int CircuitGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDisplayedCircuitColumns;
}

QVariant CircuitGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const std::string& text = cell(index.row(), index.column());
    if (text.empty())
        return {};
    return totext(text);
}

void CircuitGridModel::setcell(int column, int row, const std::string& text) {
    if (row < 0 || row >= kCatalogueRows || column < 0 || column >= kCatalogueColumns)
        return;
    std::string& stored = m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
    if (stored == text)
        return;
    stored = text;
    if (column >= kDisplayedCircuitColumns)
        return; // the key is not displayed
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

const std::string& CircuitGridModel::cell(int row, int column) const {
    static const std::string empty;
    if (row < 0 || row >= kCatalogueRows || column < 0 || column >= kCatalogueColumns)
        return empty;
    return m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void CircuitGridModel::clearcells() {
    for (auto& row : m_rows)
        for (auto& text : row)
            text.clear();
    emit dataChanged(index(0, 0), index(kCatalogueRows - 1, kDisplayedCircuitColumns - 1));
}

QVariant CircuitGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kDisplayedCircuitColumns)
        return m_heads[static_cast<size_t>(section)];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool CircuitGridModel::setHeaderData(int section, Qt::Orientation orientation,
                                     const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole) ||
        section < 0 || section >= kDisplayedCircuitColumns)
        return false;
    m_heads[static_cast<size_t>(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}
