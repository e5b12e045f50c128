#pragma once

#include "historysummary.h"

#include <QWidget>

// Minutes trained in each of the last 12 weeks as bars, oldest on the left;
// the current week's bar is marked. Drawn with QPainter: nothing to load.
class HistoryChart final : public QWidget {
    Q_OBJECT
public:
    explicit HistoryChart(QWidget* parent = nullptr);

    void setWeeks(const std::array<uint64_t, kChartWeeks>& seconds, const CivilDate& firstWeekStart);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<uint64_t, kChartWeeks> m_minutes{};
    CivilDate m_firstWeekStart;
};
