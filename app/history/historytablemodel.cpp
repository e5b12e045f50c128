#include "app/history/historytablemodel.h"

#include "app/history/historycontroller.h"
#include "data/durationtext.h"
#include "ui/textconv.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace {

// When the run started, as the user's clock showed it, in the locale's short
// date and time: "2026-12-07T18:30:05+01:00" -> "07.12.26 18:30" in German,
// "12/7/26 6:30 PM" in American English. The C locale, which stands for no
// locale at all, writes the neutral "2026-12-07 18:30".
QString startedText(const HistoryEntry& entry) {
    const QLocale locale;
    const QDate date(entry.date.year, entry.date.month, entry.date.day);
    const QTime time = entry.started.size() >= 16
                           ? QTime::fromString(QString::fromLatin1(entry.started.substr(11, 5)),
                                               QStringLiteral("HH:mm"))
                           : QTime();
    if (!date.isValid() || !time.isValid())
        return totext(entry.started);
    // Kept as a wall-clock reading: no time zone may move it (a run at 02:30
    // on the night the clocks go forward).
    const QDateTime wallClock(date, time, Qt::UTC);
    if (locale.language() == QLocale::C)
        return wallClock.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return locale.toString(wallClock, locale.dateTimeFormat(QLocale::ShortFormat));
}

} // namespace

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
    switch (index.column()) {
    case HistoryController::Date:
        return startedText(entry);
    case HistoryController::Circuit:
        return totext(entry.circuitname);
    case HistoryController::TimeRun:
        return totext(durationtext(std::min<uint64_t>(entry.secondsrun, UINT32_MAX)));
    case HistoryController::Outcome:
        if (entry.finished)
            return tr("Finished", "outcome of a run");
        //: Outcome of a run: "Stopped after 4 of 10" exercises.
        return tr("Stopped after %1 of %2")
            .arg(QLocale().toString(entry.exercisesdone), QLocale().toString(entry.exercisecount));
    default:
        return {};
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case HistoryController::Date:
        //: Column title: when the run started.
        return tr("Date");
    case HistoryController::Circuit:
        return tr("Circuit");
    case HistoryController::TimeRun:
        //: Column title over the run's minutes and seconds, about 70 pixels wide.
        return tr("Time run");
    case HistoryController::Outcome:
        //: Column title over "Finished" or "Stopped after 4 of 10".
        return tr("Finished", "column title");
    default:
        return {};
    }
}
