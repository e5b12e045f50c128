// The runner's digit clock with the artwork of a screen scaled to 200%.
#include "runner/digitclock.h"
#include "ui/pictures.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>

TEST(DigitClockAtTwiceScale, twiceSizeDigits_takeTheDesignedRoom) {
    std::array<QPixmap, 10> digits;
    for (int digit = 0; digit <= 9; ++digit)
        digits[static_cast<size_t>(digit)] = picture(QStringLiteral("digit%1.jpg").arg(digit), 2.0);
    QWidget frame;
    DigitClock clock(&frame, QRect(307, 168, 250, 70), digits, picture(QStringLiteral("colon.jpg"), 2.0));
    clock.showDigits(1, 2, 3, 4);
    for (const char* name : {"img_m10s", "img_ms", "Image3", "img_s10s", "img_s"}) {
        SCOPED_TRACE(name);
        const auto* label = clock.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->size(), QSize(30, 60));
        EXPECT_EQ(label->pixmap().devicePixelRatio(), 2.0);
    }
    EXPECT_EQ(clock.findChild<QLabel*>(QStringLiteral("img_s"))->geometry().topLeft(), QPoint(480 - 307, 5));
}
