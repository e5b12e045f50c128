#pragma once

#include "historyreader.h"

#include <QAbstractTableModel>

#include <vector>

// The runs of the history, newest first: date, circuit, time run, finished.
class HistoryTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setContents(HistoryReader::Result contents);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    HistoryReader::Result m_contents;
    std::vector<size_t> m_order;
};
