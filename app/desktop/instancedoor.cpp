#include "app/desktop/instancedoor.h"

#include "app/desktop/desktopbus.h"
#include "data/catalogue.h"
#include "ui/errorguard.h"
#include "ui/sessionbus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTimer>

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace {

const QString kObjectPath = QStringLiteral("/org/stridewell/Stridewell");
const QString kInterface = QStringLiteral("org.stridewell.Stridewell");
// A running copy busy in a long reaction still answers within this.
constexpr int kKnockTimeoutMs = 5000;

uint64_t fnv1a(const std::string& bytes) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

} // namespace

QString doorservicename(const std::string& dataFolder) {
    // One folder reached by two spellings (a link, a trailing "/") is one door.
    std::error_code error;
    std::string folder = std::filesystem::weakly_canonical(dataFolder, error).string();
    if (error || folder.empty())
        folder = dataFolder;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(fnv1a(folder)));
    return QStringLiteral("org.stridewell.Stridewell.f") + QLatin1String(hex);
}

InstanceDoor::InstanceDoor(DesktopBus& bus, const std::string& dataFolder, DoorActions actions)
    : m_folder(dataFolder), m_actions(std::move(actions)) {
    bus.whenReady(this, [this](QDBusConnection& connection) { open(connection); });
}

InstanceDoor::~InstanceDoor() {
    if (m_serviceName.isEmpty())
        return;
    QDBusConnection connection(m_connectionName);
    connection.unregisterService(m_serviceName);
    connection.unregisterObject(kObjectPath);
}

void InstanceDoor::open(QDBusConnection& connection) {
    if (!connection.registerObject(kObjectPath, this, QDBusConnection::ExportAllSlots))
        return;
    const QString name = doorservicename(m_folder);
    if (!connection.registerService(name)) {
        connection.unregisterObject(kObjectPath);
        return;
    }
    m_serviceName = name;
    m_connectionName = connection.name();
}

void InstanceDoor::later(std::function<void()> action) {
    if (action)
        QTimer::singleShot(0, this, [action = std::move(action)] { guarded(nullptr, action); });
}

void InstanceDoor::Raise() {
    later(m_actions.raise);
}

QString InstanceDoor::Run(const QByteArray& name) {
    QString answer = QString::fromLatin1(DoorRefusal::kUnknownCircuit);
    guarded(nullptr, [&] {
        const std::string path = circuitpathnamed(name.toStdString());
        if (path.empty() || !m_actions.startCircuit)
            return;
        answer = QString::fromStdString(m_actions.startRefusal ? m_actions.startRefusal() : "");
        if (answer.isEmpty())
            later([this, path] { m_actions.startCircuit(path); });
    });
    return answer;
}

void InstanceDoor::History() {
    later(m_actions.openHistory);
}

void InstanceDoor::Import(const QByteArray& path) {
    if (m_actions.importFile)
        later([this, path = path.toStdString()] { m_actions.importFile(path); });
}

KnockAnswer knockat(const std::string& dataFolder, const Knock& knock) {
    const QString address = sessionbusaddress();
    if (address.isEmpty())
        return KnockAnswer::NotReached;
    const QString connectionName = QStringLiteral("stridewell-knock");
    KnockAnswer answer = KnockAnswer::NotReached;
    {
        QDBusConnection connection = QDBusConnection::connectToBus(address, connectionName);
        if (connection.isConnected()) {
            const char* method = knock.ask == Knock::Ask::Run       ? "Run"
                                 : knock.ask == Knock::Ask::History ? "History"
                                 : knock.ask == Knock::Ask::Import  ? "Import"
                                                                    : "Raise";
            QDBusMessage call = QDBusMessage::createMethodCall(
                doorservicename(dataFolder), kObjectPath, kInterface, QLatin1String(method));
            if (knock.ask == Knock::Ask::Run)
                call << QByteArray::fromStdString(knock.circuitName);
            if (knock.ask == Knock::Ask::Import)
                call << QByteArray::fromStdString(knock.path);
            const QDBusMessage reply = connection.call(call, QDBus::Block, kKnockTimeoutMs);
            if (reply.type() == QDBusMessage::ErrorMessage &&
                reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply"))
                answer = KnockAnswer::NoAnswer;
            if (reply.type() == QDBusMessage::ReplyMessage) {
                const QString refusal =
                    reply.arguments().isEmpty() ? QString() : reply.arguments().front().toString();
                answer = refusal.isEmpty() ? KnockAnswer::Done
                         : refusal == QLatin1String(DoorRefusal::kRunUnderWay)
                             ? KnockAnswer::RunUnderWay
                             : KnockAnswer::UnknownCircuit;
            }
        }
    }
    QDBusConnection::disconnectFromBus(connectionName);
    return answer;
}
