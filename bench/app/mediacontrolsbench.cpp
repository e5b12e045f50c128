// The desktop's media controls: from a PlayPause call on the session bus (a
// private one) to the run started and its status on the runner. Run it with
// QT_QPA_PLATFORM=offscreen and SDL_AUDIODRIVER=dummy.
#include "app/desktop/desktopbus.h"
#include "app/mainwindow/runnerdesktop.h"
#include "data/apppaths.h"
#include "runner/circuitstartframe.h"
#include "testsupport/privatebus.h"
#include "testsupport/tempfolder.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QLabel>

#include <benchmark/benchmark.h>

namespace {

const QString kMpris = QStringLiteral("org.mpris.MediaPlayer2.stridewell");

bool waitFor(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

void BM_PlayPauseToRunStarted(benchmark::State& state) {
    PrivateBus bus;
    TempFolder folder;
    folder.makeApplicationFolder();
    folder.writeFile("exercises.lst", "1000\r\nSquat\r\nLower Body\r\nDown.\r\n0\r\n");
    folder.writeFile("Circuits/Legs.cir", "Legs\r\nLower Body\r\n30\r\n10\r\nSquat\r\nSquat\r\n");
    DesktopBus desktop(bus.address());
    desktop.start();
    Tframe_ExerciseStart frame;
    new RunnerDesktop(frame);
    frame.show();
    frame.intialisecircuit(folder.path() + "Circuits/Legs.cir");
    QDBusConnection client = QDBusConnection::connectToBus(bus.address(), "bench-client");
    if (!waitFor([&] { return client.interface()->isServiceRegistered(kMpris).value(); })) {
        state.SkipWithError("the media controls never appeared on the bus");
        return;
    }
    const auto* status = frame.findChild<QLabel*>(QStringLiteral("lbl_exercisename"));
    const QDBusMessage playPause = QDBusMessage::createMethodCall(
        kMpris, QStringLiteral("/org/mpris/MediaPlayer2"),
        QStringLiteral("org.mpris.MediaPlayer2.Player"), QStringLiteral("PlayPause"));
    for (auto _ : state) {
        frame.run().btn_stopClick();
        const QString before = status->text();
        QElapsedTimer timer;
        timer.start();
        client.asyncCall(playPause);
        if (!waitFor([&] { return frame.runInProgress() && status->text() != before; })) {
            state.SkipWithError("PlayPause did not start the run");
            return;
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("bench-client"));
}
BENCHMARK(BM_PlayPauseToRunStarted)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
