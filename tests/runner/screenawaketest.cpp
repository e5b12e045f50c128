// The screen kept awake over D-Bus: a private session bus (a real
// dbus-daemon) with a small stand-in for the desktop's screen saver.
#include "runner/runaidfactory.h"
#include "stderrcapture.h"
#include "testsupport/privatebus.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// The desktop's screen saver service, as far as inhibiting goes. It lives on
// a thread of its own, so it answers while the test's thread waits.
class FakeScreenSaver final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    std::vector<std::string> calls() {
        std::lock_guard guard(m_lock);
        return m_calls;
    }

    // Answers to Inhibit come this much after the call is seen.
    void setInhibitDelay(std::chrono::milliseconds delay) { m_inhibitDelay = delay; }

public slots:
    uint Inhibit(const QString& application, const QString& reason) {
        uint cookie = 0;
        {
            std::lock_guard guard(m_lock);
            EXPECT_EQ(application, QStringLiteral("Stridewell"));
            EXPECT_FALSE(reason.isEmpty());
            cookie = ++m_cookie;
            m_calls.push_back("Inhibit " + std::to_string(cookie));
        }
        std::this_thread::sleep_for(m_inhibitDelay.load());
        return cookie;
    }
    void UnInhibit(uint cookie) {
        std::lock_guard guard(m_lock);
        m_calls.push_back("UnInhibit " + std::to_string(cookie));
    }

private:
    std::mutex m_lock;
    std::vector<std::string> m_calls;
    uint m_cookie = 100;
    std::atomic<std::chrono::milliseconds> m_inhibitDelay{};
};

bool waitForCalls(FakeScreenSaver& service, const std::vector<std::string>& expected) {
    return QTest::qWaitFor([&] { return service.calls() == expected; }, 5000);
}

class ScreenAwakeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override {
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_savedAddress);
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
    }

private:
    QByteArray m_savedAddress;
    QByteArray m_savedRuntime;
};

TEST_F(ScreenAwakeTest, inhibitOnHold_unInhibitOnReleaseAndOnQuit_quietWithoutAService) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon (scripts/install-deps.sh) must run";
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());

    FakeScreenSaver service;
    QThread serviceThread;
    service.moveToThread(&serviceThread);
    serviceThread.start();
    QDBusConnection serviceBus = QDBusConnection::connectToBus(bus.address(), "fake-screensaver");
    ASSERT_TRUE(serviceBus.isConnected());
    ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
    ASSERT_TRUE(serviceBus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &service,
                                          QDBusConnection::ExportAllSlots));

    StderrCapture stderrText;
    auto awake = makeScreenAwake();
    awake->release(); // not held: nothing to say
    awake->hold();
    awake->hold(); // held already: once is enough
    ASSERT_TRUE(waitForCalls(service, {"Inhibit 101"}));
    awake->release();
    ASSERT_TRUE(waitForCalls(service, {"Inhibit 101", "UnInhibit 101"}));
    awake->release();

    // Released while the service is still answering: undone when the answer comes.
    awake->hold();
    awake->release();
    ASSERT_TRUE(
        waitForCalls(service, {"Inhibit 101", "UnInhibit 101", "Inhibit 102", "UnInhibit 102"}));

    // Quitting while held: the release reaches the service before the object is gone.
    awake->hold();
    ASSERT_TRUE(waitForCalls(
        service, {"Inhibit 101", "UnInhibit 101", "Inhibit 102", "UnInhibit 102", "Inhibit 103"}));
    awake.reset();
    EXPECT_EQ(service.calls().back(), "UnInhibit 103");

    // Quitting mid-run: the run releases and the object goes right after.
    // The release must not be lost with the connection.
    awake = makeScreenAwake();
    awake->hold();
    std::vector<std::string> expected = service.calls();
    expected.push_back("Inhibit 104");
    ASSERT_TRUE(waitForCalls(service, expected));
    awake->release();
    awake.reset();
    expected.push_back("UnInhibit 104");
    EXPECT_EQ(service.calls(), expected);

    // Quitting while the answer to Inhibit is still on its way: it is waited
    // for, then released.
    service.setInhibitDelay(std::chrono::milliseconds(300));
    awake = makeScreenAwake();
    awake->hold();
    expected.push_back("Inhibit 105");
    ASSERT_TRUE(waitForCalls(service, expected));
    awake.reset();
    expected.push_back("UnInhibit 105");
    EXPECT_EQ(service.calls(), expected);
    service.setInhibitDelay({});

    // No such service on the bus, then no bus at all: nothing happens. That
    // shows only after the time it takes to happen: the waits give the object
    // time to reach the bus and hear that nobody answers.
    serviceBus.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
    const size_t callsSoFar = service.calls().size();
    for (const bool withBus : {true, false}) {
        TempFolder emptyRuntime;
        if (!withBus) {
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(emptyRuntime.path()));
        }
        auto alone = makeScreenAwake();
        alone->hold();
        QTest::qWait(300);
        alone->release();
        alone->hold();
        QTest::qWait(100);
    }
    EXPECT_EQ(service.calls().size(), callsSoFar);
    EXPECT_EQ(stderrText.finish(), "");

    QDBusConnection::disconnectFromBus("fake-screensaver");
    serviceThread.quit();
    serviceThread.wait();
}

} // namespace

#include "screenawaketest.moc"
