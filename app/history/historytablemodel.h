#pragma once

#include "data/historyfile.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

// The runs of the history as the table shows them, in the order given.
class HistoryTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRuns(std::shared_ptr<const HistoryContents> contents, std::vector<size_t> order);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::shared_ptr<const HistoryContents> m_contents;
    std::vector<size_t> m_order;
};
