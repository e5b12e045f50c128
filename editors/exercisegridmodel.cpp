#include "editors/exercisegridmodel.h"

#include <algorithm>

ExerciseGridModel::ExerciseGridModel(int capacity, int columns, QObject* parent)
    : QAbstractTableModel(parent), m_capacity(capacity), m_columns(columns), m_rows(capacity),
      m_cells(static_cast<size_t>(capacity * columns)) {}

int ExerciseGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ExerciseGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant ExerciseGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
        return {};
    return at(index.row(), index.column());
}

QVariant ExerciseGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section < m_heads.size() ? QVariant(m_heads[section]) : QVariant();
}

void ExerciseGridModel::setHeads(const QStringList& heads) {
    m_heads = heads;
    emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}

QString ExerciseGridModel::cell(int row, int column) const {
    return at(row, column);
}

void ExerciseGridModel::setCell(int row, int column, const QString& text) {
    m_cells.at(static_cast<size_t>(row * m_columns + column)) = text;
    if (row < m_rows) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void ExerciseGridModel::setRows(int rows) {
    rows = std::clamp(rows, 0, m_capacity);
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
}

const QString& ExerciseGridModel::at(int row, int column) const {
    return m_cells.at(static_cast<size_t>(row * m_columns + column));
}
