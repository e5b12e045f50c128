// The program on the desktop's session bus, a private one of each test's own:
// the media controls drive the run, a second start hands its request to the
// running copy, and a finish in the background leaves a notice.
#include "app/desktop/desktopbus.h"
#include "app/desktop/finishnotice.h"
#include "app/desktop/instancedoor.h"
#include "appfixture.h"
#include "data/circuitfile.h"
#include "data/generalsetting.h"
#include "runner/circuitstartframe.h"
#include "testsupport/privatebus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <mutex>
#include <string>
#include <vector>

namespace {

const QString kMpris = QStringLiteral("org.mpris.MediaPlayer2.stridewell");
const QString kMprisPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");

bool registered(QDBusConnection& client, const QString& name) {
    return client.interface()->isServiceRegistered(name).value();
}

// Counts the PropertiesChanged signals of the player.
class ChangeCounter final : public QObject {
    Q_OBJECT
public:
    int told = 0;
public slots:
    void changed(const QString& interface, const QVariantMap&, const QStringList&) {
        if (interface == kPlayer)
            ++told;
    }
};

class MediaControls : public AppFixture {
protected:
    // The service answers on this thread: the calls wait with its events going.
    QDBusMessage player(const char* method) {
        return m_client.call(QDBusMessage::createMethodCall(kMpris, kMprisPath, kPlayer,
                                                            QLatin1String(method)),
                             QDBus::BlockWithGui);
    }
    QVariant property(const char* name) {
        const QDBusMessage reply = m_client.call(
            QDBusMessage::createMethodCall(kMpris, kMprisPath,
                                           QStringLiteral("org.freedesktop.DBus.Properties"),
                                           QStringLiteral("Get"))
                << kPlayer << QLatin1String(name),
            QDBus::BlockWithGui);
        return reply.arguments().isEmpty() ? QVariant()
                                           : reply.arguments().front().value<QDBusVariant>().variant();
    }
    QString title() {
        return qdbus_cast<QVariantMap>(property("Metadata"))
            .value(QStringLiteral("xesam:title"))
            .toString();
    }

    PrivateBus m_bus;
    QDBusConnection m_client{QString()};
};

TEST_F(MediaControls, driveTheRunAsStartStopAndSkips_tellChangesNotTicks_releaseTheName) {
    ASSERT_FALSE(m_bus.address().isEmpty()) << "dbus-daemon (scripts/install-deps.sh) must run";
    m_client = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("media-client"));
    ASSERT_TRUE(m_client.isConnected());
    {
        DesktopBus desktop(m_bus.address());
        desktop.start();
        startProgram();
        clickStartLink();
        EXPECT_FALSE(registered(m_client, kMpris)) << "nothing is owned before a circuit is loaded";
        selectRow(0);
        click(bar(), "btn_start");
        ASSERT_TRUE(QTest::qWaitFor([&] { return registered(m_client, kMpris); }, 5000));
        ChangeCounter counter;
        ASSERT_TRUE(m_client.connect(kMpris, kMprisPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                     QStringLiteral("PropertiesChanged"), &counter,
                                     SLOT(changed(QString, QVariantMap, QStringList))));
        EXPECT_EQ(property("PlaybackStatus").toString(), QStringLiteral("Stopped"));
        EXPECT_TRUE(property("CanPlay").toBool());

        // PlayPause is Start: the run goes and the controls read what the runner shows.
        player("PlayPause");
        auto* frame = static_cast<Tframe_ExerciseStart*>(runner());
        EXPECT_TRUE(frame->runInProgress());
        EXPECT_TRUE(statusText().startsWith(QStringLiteral("Next: ")));
        EXPECT_EQ(property("PlaybackStatus").toString(), QStringLiteral("Playing"));
        EXPECT_EQ(title(), statusText());
        ASSERT_TRUE(QTest::qWaitFor([&] { return counter.told > 0; }, 5000));

        // A tick within the lead-in changes only the clock: nothing is told
        // (after the first one, which makes going back possible).
        frame->run().exercisetimerTimer();
        QTest::qWait(200);
        const int told = counter.told;
        frame->run().exercisetimerTimer();
        QTest::qWait(200);
        EXPECT_EQ(counter.told, told);

        // Next is the skip key: the first exercise is under way, and told.
        player("Next");
        EXPECT_TRUE(statusText().startsWith(QStringLiteral("Now: ")));
        EXPECT_EQ(title(), statusText());
        EXPECT_TRUE(property("CanGoPrevious").toBool());
        ASSERT_TRUE(QTest::qWaitFor([&] { return counter.told > told; }, 5000));

        // Pause is Stop; with another frame in front the controls reach nothing.
        player("Pause");
        EXPECT_FALSE(frame->runInProgress());
        EXPECT_EQ(property("PlaybackStatus").toString(), QStringLiteral("Paused"));
        click(bar(), "btn_info");
        player("Play");
        player("PlayPause");
        EXPECT_FALSE(frame->runInProgress());
        click(bar(), "btn_start");
        player("Play");
        EXPECT_TRUE(frame->runInProgress());

        // The window goes, and the name with it.
        m_main.reset();
        m_launcher.reset();
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !registered(m_client, kMpris); }, 5000));
    QDBusConnection::disconnectFromBus(QStringLiteral("media-client"));
}

// The desktop's notification service, as far as a notice goes. It lives on a
// thread of its own, so it answers while the test's thread waits.
class FakeNotifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    bool markup = true;
    std::vector<QStringList> notices() {
        std::lock_guard guard(m_lock);
        return m_notices;
    }
public slots:
    QStringList GetCapabilities() {
        return markup ? QStringList{QStringLiteral("body"), QStringLiteral("body-markup"),
                                    QStringLiteral("actions")}
                      : QStringList{QStringLiteral("body"), QStringLiteral("actions")};
    }
    uint Notify(const QString& application, uint, const QString&, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap&, int) {
        std::lock_guard guard(m_lock);
        m_notices.push_back({application, summary, body, actions.join(QLatin1Char(','))});
        return 7;
    }

private:
    std::mutex m_lock;
    std::vector<QStringList> m_notices;
};

TEST(FinishNoticeTest, aFinishInTheBackgroundIsNoticed_aClickRaisesTheWindow) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty());
    FakeNotifications service;
    QThread serviceThread;
    service.moveToThread(&serviceThread);
    serviceThread.start();
    QDBusConnection serviceBus = QDBusConnection::connectToBus(bus.address(), "fake-notifications");
    ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    ASSERT_TRUE(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                          QDBusConnection::ExportAllSlots));

    bool active = true;
    int raised = 0;
    {
        DesktopBus desktop(bus.address());
        desktop.start();
        FinishNotice notice(desktop, [&] { return active; }, [&] { ++raised; });
        TCircuit2 circuit;
        circuit.circuitname = "Legs <b>";
        const auto run = [&](int seconds) {
            notice.runStarted(circuit, 1);
            for (int second = 0; second < seconds; ++second)
                notice.secondRun();
            notice.runFinished();
        };
        run(3); // the window is active: nothing
        active = false;
        run(75);
        ASSERT_TRUE(QTest::qWaitFor([&] { return service.notices().size() == 1; }, 5000));
        const QStringList shown = service.notices().front();
        EXPECT_EQ(shown[1], QStringLiteral("Circuit finished"));
        // The name is plain text: a server that reads markup gets it escaped.
        EXPECT_EQ(shown[2], QStringLiteral("Legs &lt;b&gt;\nTrained for 01:15"));
        EXPECT_TRUE(shown[3].startsWith(QStringLiteral("default,")));
        service.markup = false;
        run(5);
        ASSERT_TRUE(QTest::qWaitFor([&] { return service.notices().size() == 2; }, 5000));
        EXPECT_EQ(service.notices().back()[2], QStringLiteral("Legs <b>\nTrained for 00:05"));

        // The user clicks the notice: the service tells its default action.
        QDBusMessage clicked = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
        clicked << 7u << QStringLiteral("default");
        serviceBus.send(clicked);
        EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, 5000));
    }
    serviceThread.quit();
    serviceThread.wait();
    QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
}

// The real program twice on one data folder: the second start hands on what
// it was started for and ends.
TEST(SecondStart, handsItsRequestToTheRunningCopy) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty());
    TempFolder data; // a folder in use: nothing is seeded into it
    data.writeFile("Circuits/Tabata.cir", "Tabata\r\nMultiple Area Workout\r\n20\r\n10\r\nBurpee\r\n");
    data.writeFile("exercises.lst", "1000\r\nBurpee\r\nMultiple Area Workout\r\nJump.\r\n0\r\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    const QStringList folder{QStringLiteral("--data-dir=") + QString::fromStdString(data.path()),
                             QStringLiteral("--lang=en")};
    const auto start = [&](const QStringList& more) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(STRIDEWELL_PROGRAM), folder + more);
        return process;
    };
    const auto second = [&](const QStringList& more, QString* errors = nullptr) {
        const auto process = start(more);
        const bool ended = process->waitForFinished(15000);
        if (errors)
            *errors = QString::fromUtf8(process->readAllStandardError());
        return ended ? process->exitCode() : -1;
    };

    // A first start with a circuit goes straight to the runner and runs it.
    const auto first = start({QStringLiteral("--run=Tabata")});
    QDBusConnection client = QDBusConnection::connectToBus(bus.address(), "second-start");
    const auto status = [&] {
        const QDBusMessage reply = client.call(
            QDBusMessage::createMethodCall(kMpris, kMprisPath,
                                           QStringLiteral("org.freedesktop.DBus.Properties"),
                                           QStringLiteral("Get"))
            << kPlayer << QStringLiteral("PlaybackStatus"));
        return reply.arguments().value(0).value<QDBusVariant>().variant().toString();
    };
    const QString door = doorservicename(data.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return registered(client, door) && registered(client, kMpris); },
                                15000));
    EXPECT_EQ(status(), QStringLiteral("Playing"));
    EXPECT_EQ(generalsetting(data.path() + "stridewell.ini", kLastCircuitKey), "Tabata");

    QString errors;
    EXPECT_EQ(second({}, &errors), 0) << "raises the running window";
    EXPECT_EQ(second({QStringLiteral("--history")}), 0);
    EXPECT_EQ(second({QStringLiteral("--run"), QStringLiteral("Nope")}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("no circuit named 'Nope'"))) << errors.toStdString();
    EXPECT_EQ(second({QStringLiteral("--run-last")}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("stop it first"))) << errors.toStdString();

    // Paused from the media controls, the run is started again by a second start.
    client.call(QDBusMessage::createMethodCall(kMpris, kMprisPath, kPlayer, QStringLiteral("Pause")));
    EXPECT_EQ(status(), QStringLiteral("Paused"));
    EXPECT_EQ(second({QStringLiteral("--run-last")}, &errors), 0) << errors.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return status() == QLatin1String("Playing"); }, 5000));

    // The running copy ends as it does on a signal, and its names go with it.
    first->terminate();
    EXPECT_TRUE(first->waitForFinished(15000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !registered(client, door) && !registered(client, kMpris); },
                                5000));
    QDBusConnection::disconnectFromBus(QStringLiteral("second-start"));
}

} // namespace

#include "desktoptests.moc"
