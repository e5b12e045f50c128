// The big clock as drawn: what follows an exercise, in small type under the
// status, never over the digits.
#include "runner/bigclock.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The first row, from the top, holding anything but the clock's ground.
int firstInkedRow(const QImage& image, QRgb ground) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != ground)
                return y;
    return image.height();
}

void checkUpNextLine(QSize size) {
    BigClockWindow clock;
    clock.resize(size);
    clock.show();
    // Without a phase word or status the top band is blank, so the digits
    // are the first thing drawn from the top.
    RunMoment moment;
    moment.kind = PhaseKind::Work;
    moment.resting = false;
    moment.intervalLeft = 88;
    clock.showMoment(moment);
    const QImage without = clock.grab().toImage();
    const QRgb ground = without.pixel(0, 0);
    const int digitsTop = firstInkedRow(without, ground);
    ASSERT_LT(digitsTop, size.height() / 2) << "the digits fill most of the height";

    moment.upNext = "Next: Squat";
    clock.showMoment(moment);
    const QImage with = clock.grab().toImage();
    ASSERT_EQ(with.size(), without.size());
    int changed = 0;
    int lowest = -1;
    int leftmost = with.width();
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ++changed;
                lowest = y;
                leftmost = std::min(leftmost, x);
            }
    EXPECT_GT(changed, 50) << "the line is drawn";
    EXPECT_LT(lowest, digitsTop) << "and lies wholly above the digits";
    EXPECT_GT(leftmost, with.width() / 2) << "under the status, at the right";

    moment.upNext.clear();
    clock.showMoment(moment);
    EXPECT_EQ(clock.grab().toImage(), without) << "gone again outside an exercise";
}

TEST(BigClock, upNextLine_drawnOnlyWhenGiven_aboveTheDigitsOnEveryScreenAndTextSize) {
    const QFont usual = QApplication::font();
    // The usual text and a desktop's doubled text, which takes room from the digits.
    for (const qreal points : {9.0, 18.0}) {
        QFont font = usual;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        // Wide, ultrawide and super-wide (the digits fill the height), and 4:3.
        for (const QSize size :
             {QSize(1920, 1080), QSize(2560, 1080), QSize(3840, 1080), QSize(1024, 768)}) {
            SCOPED_TRACE(std::to_string(size.width()) + " at " + std::to_string(points) + " pt");
            checkUpNextLine(size);
        }
    }
    QApplication::setFont(usual);
}

} // namespace
