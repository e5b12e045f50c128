// A signal from the session or Ctrl+C ends the program as closing its windows
// would, instead of killing it with a run unrecorded.
#include "app/startup/quitonsignal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class ClosingWindow final : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        event->accept();
    }
};

} // namespace

TEST(QuitOnSignal, terminateHangupAndInterrupt_closeEveryWindowThenEndTheLoop) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        const QuitOnSignal quitOnSignal;
        ClosingWindow window;
        window.show();
        QTimer::singleShot(0, [signal] { ::raise(signal); });
        // Only a failure would need this: the signal ends the loop long before.
        QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
        QElapsedTimer waited;
        waited.start();
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_LT(waited.elapsed(), 5000);
        EXPECT_EQ(window.closes, 1);
        EXPECT_FALSE(window.isVisible());
    }
    // Once it is gone the signals have their usual meaning again.
    struct sigaction now {};
    sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}
