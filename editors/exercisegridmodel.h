#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <vector>

// The cells of the exercise grid. All cells are kept whatever the row count,
// as in a string grid: rows that come back into view show what they held.
class ExerciseGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    ExerciseGridModel(int capacity, int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The column heads by column; rows are counted from 1.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void setHeads(const QStringList& heads);

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    void setRows(int rows); // clamped to 0 .. capacity

private:
    const QString& at(int row, int column) const;

    int m_capacity;
    int m_columns;
    int m_rows;
    std::vector<QString> m_cells;
    QStringList m_heads;
};
