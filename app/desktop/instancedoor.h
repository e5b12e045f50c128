#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

class DesktopBus;
class QDBusConnection;

// The door a second start on the same data folder knocks at. The copy
// running there owns a name of its own on the session bus (one per data
// folder) once its launcher is on the screen, with an object that raises
// its window, starts a circuit, opens the training history or imports a
// file; the second copy asks it and ends, writing nothing.

// "org.stridewell.Stridewell.f<16 hex digits>": the folder's name on the bus.
QString doorservicename(const std::string& dataFolder);

// What the running copy does when asked. Each is done after the answer has
// gone back, so a message it shows never keeps the second start waiting.
struct DoorActions {
    std::function<void()> raise;
    // Why no circuit can be started now (DoorRefusal), or "".
    std::function<std::string()> startRefusal;
    std::function<void(const std::string& path)> startCircuit;
    std::function<void()> openHistory;
    std::function<void(const std::string& path)> importFile;
};

// Why a knock came to nothing, as the running copy answers.
namespace DoorRefusal {
inline constexpr const char* kUnknownCircuit = "unknown-circuit";
inline constexpr const char* kRunUnderWay = "run-under-way";
} // namespace DoorRefusal

// The running copy's side: the door, open once the bus is ready.
class InstanceDoor final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.stridewell.Stridewell")
public:
    InstanceDoor(DesktopBus& bus, const std::string& dataFolder, DoorActions actions);
    ~InstanceDoor() override;

public slots:
    void Raise();
    // The circuit named `name` (its file's first line, as bytes): "" when it
    // started, else a DoorRefusal.
    QString Run(const QByteArray& name);
    void History();
    // Imports the file (an absolute path, as bytes) and shows what it added.
    void Import(const QByteArray& path);

private:
    void open(QDBusConnection& connection);
    void later(std::function<void()> action);

    std::string m_folder;
    DoorActions m_actions;
    QString m_serviceName;
    QString m_connectionName;
};

// The second copy's side: asks the copy running on `dataFolder`.
struct Knock {
    enum class Ask { Raise, Run, History, Import };
    Ask ask = Ask::Raise;
    std::string circuitName; // for Run
    std::string path;        // for Import: absolute
};
// NoAnswer: the running copy took the call and did not answer in time.
enum class KnockAnswer { NotReached, Done, UnknownCircuit, RunUnderWay, NoAnswer };
KnockAnswer knockat(const std::string& dataFolder, const Knock& knock);
