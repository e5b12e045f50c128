#pragma once

#include "data/historysummary.h"

#include <QString>
#include <QWidget>

#include <array>

// Minutes trained in each of the last 12 weeks as bars, oldest on the left;
// the current week's bar is marked. Drawn with QPainter: nothing to load.
class HistoryChart final : public QWidget {
    Q_OBJECT
public:
    explicit HistoryChart(QWidget* parent = nullptr);

    // Minutes per week, oldest first, each with its label; the last is the current week.
    void setWeeks(const std::array<uint64_t, kChartWeeks>& minutes,
                  const std::array<QString, kChartWeeks>& labels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QString title();

    std::array<uint64_t, kChartWeeks> m_minutes{};
    std::array<QString, kChartWeeks> m_labels;
};
