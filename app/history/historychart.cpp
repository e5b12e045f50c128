#include "app/history/historychart.h"

#include "ui/fonts.h"

#include <QLocale>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

const QColor kBar(160, 178, 204);
const QColor kCurrentBar(38, 110, 190);
const QColor kAxis(150, 150, 150);
const QColor kGuide(228, 228, 228);

// A round top for the scale: 10, 20, 50, 100, 200, 500, ...
uint64_t scaleTop(uint64_t highest) {
    uint64_t top = 10;
    for (int step = 1; top < highest; ++step)
        top = step % 3 == 2 ? top / 2 * 5 : top * 2;
    return top;
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HistoryChart"));
    setMinimumSize(400, scaledpixels(180));
    // A screen reader reads the chart's title and, as its description, each week's minutes.
    setAccessibleName(title());
}

QString HistoryChart::title() {
    return tr("Minutes trained per week");
}

void HistoryChart::setWeeks(const std::array<uint64_t, kChartWeeks>& minutes,
                            const std::array<QString, kChartWeeks>& labels) {
    m_minutes = minutes;
    m_labels = labels;
    // "30 Nov: 45, 7 Dec: 20, This week: 0"
    const QLocale locale;
    QStringList weeks;
    for (size_t week = 0; week < kChartWeeks; ++week)
        weeks += m_labels[week] + QStringLiteral(": ") + locale.toString(m_minutes[week]);
    setAccessibleDescription(weeks.join(QStringLiteral(", ")));
    update();
}

void HistoryChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), Qt::white);
    // Sizes of the design at the usual text size, grown with the desktop's text.
    const auto px = [scale = textscale()](int pixels) { return qRound(pixels * scale); };
    painter.setFont(verdanafont(px(11), true));
    painter.setPen(Qt::black);
    painter.drawText(QRect(8, 4, width() - 16, px(16)), Qt::AlignLeft | Qt::AlignVCenter, title());

    const QLocale locale;
    const QFont small = verdanafont(px(9));
    const QFont smallBold = verdanafont(px(9), true);
    painter.setFont(small);
    const int left = px(40), right = width() - 10, top = px(30), bottom = height() - px(34);
    const uint64_t highest = *std::max_element(m_minutes.begin(), m_minutes.end());
    const uint64_t scale = scaleTop(highest);

    // Guide lines at the top, the middle and the base of the scale.
    for (int step = 0; step <= 2; ++step) {
        const int y = bottom - (bottom - top) * step / 2;
        painter.setPen(step == 0 ? kAxis : kGuide);
        painter.drawLine(left, y, right, y);
        painter.setPen(kAxis);
        painter.drawText(QRect(0, y - px(8), left - 6, px(16)), Qt::AlignRight | Qt::AlignVCenter,
                         locale.toString(scale * static_cast<uint64_t>(step) / 2));
    }

    const double slot = static_cast<double>(right - left) / kChartWeeks;
    const int barWidth = std::max(4, static_cast<int>(slot * 0.6));
    for (int week = 0; week < kChartWeeks; ++week) {
        const bool current = week == kChartWeeks - 1;
        const uint64_t minutes = m_minutes[static_cast<size_t>(week)];
        const int centre = left + static_cast<int>(slot * week + slot / 2);
        const int barHeight =
            static_cast<int>(static_cast<double>(bottom - top) * static_cast<double>(minutes) /
                             static_cast<double>(scale));
        const QRect bar(centre - barWidth / 2, bottom - barHeight, barWidth, barHeight);
        painter.fillRect(bar, current ? kCurrentBar : kBar);
        painter.setPen(current ? kCurrentBar : Qt::black);
        painter.setFont(current ? smallBold : small);
        if (minutes > 0)
            painter.drawText(QRect(centre - px(30), bar.top() - px(15), px(60), px(14)),
                             Qt::AlignHCenter | Qt::AlignBottom, locale.toString(minutes));
        painter.drawText(QRect(centre - static_cast<int>(slot / 2) - 8, bottom + 4,
                               static_cast<int>(slot) + 16, px(14)),
                         Qt::AlignHCenter | Qt::AlignTop, m_labels[static_cast<size_t>(week)]);
    }
}
