#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;

// The runner's clock: four digit pictures and the colon in the clock box, as
// designed. Intervals of 100 minutes and more draw their further minute digits
// to the left, narrowed to stay inside the box.
class DigitClock final : public QWidget {
    Q_OBJECT
public:
    // digits: the pictures of 0 to 9. Placed over the clock box at boxRect.
    DigitClock(QWidget* parent, const QRect& boxRect, const std::array<QPixmap, 10>& digits,
               const QPixmap& colon);

    // tenMinutes above 9 spills into the drawn digits: 1234 tens of minutes
    // and 5 minutes read 12345 minutes.
    void showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds);
    // The time the digits show, "00:42" or "123:45": what a screen reader reads
    // as the clock's name. It changes every second without telling the reader,
    // which asks when the user wants to hear it.
    QString shownTime() const { return m_shownTime; }

    std::function<void()> onDoubleClick; // a primary-button double click
    // A primary-button click that did not become a double click: told once
    // the double-click interval has passed.
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QLabel* addDigit(const char* name, int frameLeft, const QPixmap& picture);
    void setDigit(QLabel* control, int digit);
    QRect leadingArea() const;

    const std::array<QPixmap, 10> m_digits; // shared copies: the frame's go first
    QPoint m_origin;                        // the box's top-left corner, in the frame
    int m_leading = 0;                      // minutes beyond the two designed minute digits, / 10
    QLabel* img_m10s = nullptr;
    QLabel* img_ms = nullptr;
    QLabel* img_s10s = nullptr;
    QLabel* img_s = nullptr;
    QString m_shownTime = QStringLiteral("00:00");
    bool m_pressed = false; // a primary press began here, and no double click since
    QTimer m_click;
};
