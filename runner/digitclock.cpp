#include "runner/digitclock.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <string>

namespace {
// The designed places, relative to the runner frame.
constexpr int kDigitTop = 173;
constexpr int kDigitWidth = 30;
constexpr int kDigitHeight = 60;
constexpr int kTenMinutesLeft = 368;

// The clock as one piece of text: the time, not five pictures.
class DigitClockAccessible final : public QAccessibleWidget {
public:
    explicit DigitClockAccessible(DigitClock* clock) : QAccessibleWidget(clock, QAccessible::Clock) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const DigitClock*>(widget())->shownTime();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* clockInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("DigitClock"))
        return new DigitClockAccessible(static_cast<DigitClock*>(object));
    return nullptr;
}

void installClockInterface() {
    static const bool installed = [] {
        QAccessible::installFactory(clockInterface);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace

DigitClock::DigitClock(QWidget* parent, const QRect& boxRect, const std::array<QPixmap, 10>& digits,
                       const QPixmap& colon)
    : QWidget(parent), m_digits(digits), m_origin(boxRect.topLeft()) {
    installClockInterface();
    setGeometry(boxRect);
    img_m10s = addDigit("img_m10s", kTenMinutesLeft, digits[0]);
    img_ms = addDigit("img_ms", 398, digits[0]);
    addDigit("Image3", 428, colon);
    img_s10s = addDigit("img_s10s", 450, digits[0]); // lies over the colon's right edge
    img_s = addDigit("img_s", 480, digits[0]);
    m_click.setSingleShot(true);
    connect(&m_click, &QTimer::timeout, this, [this] {
        if (onClick)
            onClick();
    });
}

QLabel* DigitClock::addDigit(const char* name, int frameLeft, const QPixmap& picture) {
    auto* control = new QLabel(this);
    control->setObjectName(QString::fromLatin1(name));
    control->setPixmap(picture);
    // The room a picture takes, not its pixels: the @2x drawing on a screen
    // scaled to 200% has twice the pixels in the same room.
    control->setGeometry(QRect(QPoint(frameLeft - m_origin.x(), kDigitTop - m_origin.y()),
                               picture.deviceIndependentSize().toSize()));
    return control;
}

void DigitClock::setDigit(QLabel* control, int digit) {
    // A label repaints on every setPixmap, even of the same picture; most ticks
    // change only the seconds, so the other digits are left alone.
    const QPixmap& wanted = m_digits[static_cast<size_t>(digit)];
    if (control->pixmap().cacheKey() != wanted.cacheKey())
        control->setPixmap(wanted);
}

void DigitClock::showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds) {
    setDigit(img_m10s, tenMinutes % 10);
    setDigit(img_ms, minutes);
    setDigit(img_s10s, tenSeconds);
    setDigit(img_s, seconds);
    m_shownTime = QString::number(tenMinutes) + QString::number(minutes) + QLatin1Char(':') +
                  QString::number(tenSeconds) + QString::number(seconds);
    const int leading = tenMinutes / 10;
    if (leading != m_leading) {
        m_leading = leading;
        update(leadingArea());
    }
}

QRect DigitClock::leadingArea() const {
    const int right = kTenMinutesLeft - m_origin.x();
    return QRect(0, kDigitTop - m_origin.y(), right, kDigitHeight);
}

void DigitClock::paintEvent(QPaintEvent*) {
    if (m_leading <= 0)
        return;
    const std::string text = std::to_string(m_leading);
    const QRect area = leadingArea();
    // One or two more digits fit at full width (down to 99999 minutes); more
    // share the room left of the tens of minutes.
    const int count = static_cast<int>(text.size());
    const int width = std::min(kDigitWidth, (area.width() - 1) / count);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, width != kDigitWidth);
    for (int i = 0; i < count; ++i) {
        const int digit = text[static_cast<size_t>(count - 1 - i)] - '0';
        const QRect place(area.right() + 1 - width * (i + 1), area.top(), width, kDigitHeight);
        painter.drawPixmap(place, m_digits[static_cast<size_t>(digit)]);
    }
}

void DigitClock::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void DigitClock::mouseReleaseEvent(QMouseEvent* event) {
    // A click waits for the double-click interval: the first click of a double
    // click, which opens the big clock, must not also act.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        m_click.start(QApplication::doubleClickInterval());
    event->accept();
}

void DigitClock::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // Neither click of a double click acts: the release that ends it is no click.
    m_click.stop();
    m_pressed = false;
    if (onDoubleClick)
        onDoubleClick();
}
