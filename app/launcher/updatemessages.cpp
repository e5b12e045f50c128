#include "app/launcher/updatemessages.h"

#include "data/exercises.h"
#include "data/textencoding.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/textconv.h"

namespace {

QString reasontext(TransferFailureKind kind, const QString& detail) {
    switch (kind) {
    case TransferFailureKind::None:
        return {};
    case TransferFailureKind::NoTransport:
        return QStringLiteral("The download module could not be loaded");
    case TransferFailureKind::HostNotFound:
        return QStringLiteral("The server name %1 is unknown").arg(detail);
    case TransferFailureKind::NoConnection:
        return QStringLiteral("No connection to %1").arg(detail);
    case TransferFailureKind::TimedOut:
        return QStringLiteral("The connection timed out");
    case TransferFailureKind::NoAnswer:
        return QStringLiteral("The server closed the connection without an answer");
    case TransferFailureKind::ConnectionLost:
        return QStringLiteral("The connection was lost");
    case TransferFailureKind::Status:
        return QStringLiteral("The server answered %1").arg(detail);
    case TransferFailureKind::Unreadable:
        return QStringLiteral("The server's answer could not be read");
    case TransferFailureKind::NoLength:
        return QStringLiteral("The server's answer did not give its length");
    case TransferFailureKind::CutShort:
        return QStringLiteral("The server's answer was cut short");
    case TransferFailureKind::Empty:
        return QStringLiteral("The server's answer was empty");
    case TransferFailureKind::TooLarge:
        return QStringLiteral("The server's answer was too large");
    case TransferFailureKind::RedirectedAway:
        return QStringLiteral("The server sent the program to another address");
    case TransferFailureKind::TooManyRedirects:
        return QStringLiteral("The server redirected the program too often");
    case TransferFailureKind::Refused:
        return QStringLiteral("The server's answer %1").arg(detail);
    case TransferFailureKind::NotWritten:
        return QStringLiteral("%1 could not be written").arg(detail);
    case TransferFailureKind::Stopped:
        return QStringLiteral("The download was stopped");
    case TransferFailureKind::Failed:
        break;
    }
    return QStringLiteral("The download failed");
}

} // namespace

QString transferfailuretext(const TransferFailure& failure) {
    return reasontext(failure.kind, totext(failure.detail));
}

void UpdateMessages::show(const QString& text) {
    Dialogs::message(m_parent, text); // names and reasons from the server: plain text
}

void UpdateMessages::exercisesAdded(int added, bool libraryFull) {
    if (libraryFull)
        show(QStringLiteral("%1 Exercises Added. The exercise library is full (%2 exercises)")
                 .arg(QString::number(added), QString::number(kLibraryCapacity)));
    else
        show(QStringLiteral("%1 Exercises Added").arg(added));
}

void UpdateMessages::nothingNew(ContentList list) {
    if (list == ContentList::Exercises)
        show(QStringLiteral("No new exercises available at this time"));
    else
        show(QStringLiteral("No new circuits available at this time"));
}

// A reply the content check refused says what was wrong with it; any other
// failure gives its reason on a second line.
void UpdateMessages::listFailed(ContentList list, const TransferFailure& failure) {
    const bool refused = failure.kind == TransferFailureKind::Refused;
    if (list == ContentList::Exercises)
        show(refused ? QStringLiteral("New exercise file was refused: the server's answer %1")
                           .arg(totext(failure.detail))
                     : QStringLiteral("New exercise file could not be found\n%1")
                           .arg(transferfailuretext(failure)));
    else
        show(refused ? QStringLiteral("New circuit file was refused: the server's answer %1")
                           .arg(totext(failure.detail))
                     : QStringLiteral("New circuit file could not be found\n%1")
                           .arg(transferfailuretext(failure)));
}

void UpdateMessages::circuitsAdded(int added) {
    show(QStringLiteral("%1 Circuits Added").arg(added));
}

void UpdateMessages::circuitFailed(const std::string& name, const TransferFailure& failure) {
    // The name and the detail are read as one message's bytes: unless both
    // are UTF-8, both are Latin-1 (the name of a file that could not be
    // written is also in its path).
    const bool utf8 = isutf8(name) && isutf8(failure.detail);
    const auto text = [utf8](const std::string& bytes) {
        return utf8 ? totext(bytes)
                    : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    };
    if (failure.kind == TransferFailureKind::Refused)
        show(QStringLiteral("Circuit %1 was refused: the server's answer %2")
                 .arg(text(name), text(failure.detail)));
    else
        show(QStringLiteral("Circuit %1 could not be downloaded\n%2")
                 .arg(text(name), reasontext(failure.kind, text(failure.detail))));
}

void UpdateMessages::stepFailed(std::exception_ptr error) {
    guarded(m_parent, [&] { std::rethrow_exception(error); });
}
