#include "app/history/historytablemodel.h"

#include "app/history/historycontroller.h"
#include "ui/textconv.h"

void HistoryTableModel::setRuns(std::shared_ptr<const HistoryContents> contents,
                                std::vector<size_t> order) {
    beginResetModel();
    m_contents = std::move(contents);
    m_order = std::move(order);
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_contents ? 0 : static_cast<int>(m_order.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : HistoryController::ColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == HistoryController::TimeRun
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const HistoryEntry& entry = m_contents->entries[m_order[static_cast<size_t>(index.row())]];
    return totext(HistoryController::cellText(entry, index.column()));
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return QString::fromLatin1(HistoryController::columnTitle(section));
}
