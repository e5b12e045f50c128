// Entry point of the tests that need a QApplication. A recorder stands in for
// the dialogs, so no test ever blocks on one.
#include "testsupport/testdialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Stridewell"));
    TestDialogs::install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
