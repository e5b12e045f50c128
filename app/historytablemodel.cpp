#include "historytablemodel.h"

#include "catalogue.h"
#include "historysummary.h"
#include "textconv.h"

namespace {
enum Column { Date, Circuit, TimeRun, Finished, ColumnCount };
}

void HistoryTableModel::setContents(HistoryReader::Result contents) {
    beginResetModel();
    m_contents = std::move(contents);
    m_order = m_contents ? newestfirst(m_contents->entries) : std::vector<size_t>{};
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const HistoryEntry& entry = m_contents->entries[m_order[static_cast<size_t>(index.row())]];
    if (role == Qt::TextAlignmentRole)
        return index.column() == TimeRun ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Date:
        // "2026-12-07T18:30:05+01:00" -> "2026-12-07 18:30", the time the user's clock showed.
        return QString::fromLatin1(entry.started.substr(0, 10) + " " + entry.started.substr(11, 5));
    case Circuit:
        return totext(entry.circuitname);
    case TimeRun:
        return QString::fromStdString(durationtext(static_cast<uint32_t>(
            std::min<uint64_t>(entry.secondsrun, UINT32_MAX))));
    case Finished:
        return entry.finished ? QStringLiteral("Finished")
                              : QStringLiteral("Stopped after %1 of %2")
                                    .arg(entry.exercisesdone)
                                    .arg(entry.exercisecount);
    default:
        return {};
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titles[] = {"Date", "Circuit", "Time run", "Finished"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}
