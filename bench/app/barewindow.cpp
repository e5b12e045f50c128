// The yardstick of the start-up benchmark: a bare Qt window of the launcher's
// size, timed and measured as the start-up probe times the launcher, from
// process start to its first paint.
#include "app/startup/processfigures.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class BareWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        if (m_painted)
            return;
        m_painted = true;
        QTimer::singleShot(0, this, [] {
            std::printf("launcher_shown_ms %.2f\n", millisecondssinceprocessstart());
            std::printf("launcher_rss_kb %ld\n", residentkilobytes());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(597, 430);
    window.show();
    return QApplication::exec();
}
