#pragma once

#include "runner/runobserver.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class DesktopBus;
class QDBusConnection;
class QDBusPendingCall;

// One desktop notification (org.freedesktop.Notifications) when a run
// finishes while none of the program's windows is active: "Circuit
// finished", the circuit's name and the time trained. Its default action (a
// click on it) raises the window. Nothing without a notification service.
class FinishNotice final : public QObject, public RunObserver {
    Q_OBJECT
public:
    // windowsActive: whether one of the program's windows has the focus now.
    FinishNotice(DesktopBus& bus, std::function<bool()> windowsActive, std::function<void()> raise);

    void runStarted(const TCircuit2& circuit, int exerciseCount) override;
    void secondRun() override { ++m_seconds; }
    void exerciseCompleted(bool) override {}
    void runFinished() override;
    void circuitLeft() override { m_seconds = 0; }

    // The notice's text: the circuit's name and "Trained for 12:34".
    static QString bodyText(const std::string& circuitName, int64_t seconds);

private slots:
    void actionInvoked(uint id, const QString& action);

private:
    void notify(QDBusConnection& connection, const QString& summary, const QString& body);
    // The Notify call, once the server's capabilities have answered.
    void send(const QString& connectionName, const QDBusPendingCall& capabilities,
              const QString& summary, const QString& body);

    DesktopBus& m_bus;
    std::function<bool()> m_windowsActive;
    std::function<void()> m_raise;
    std::string m_circuitName;
    int64_t m_seconds = 0;
    uint m_shown = 0; // the id of the notice on the screen, 0 before
    bool m_listening = false;
};
