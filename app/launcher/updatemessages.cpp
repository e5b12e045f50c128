#include "app/launcher/updatemessages.h"

#include "data/exercises.h"
#include "data/textencoding.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/filewords.h"
#include "ui/textconv.h"

namespace {

// Each completes "the server's answer ..." in the texts of a refused download.
QString refusalwords(const ReplyRefusal& refusal) {
    switch (refusal.fault) {
    case ReplyFault::None:
        break;
    case ReplyFault::Empty:
        //: Completes "the server's answer ...".
        return UpdateMessages::tr("is empty");
    case ReplyFault::NulBytes:
        //: Completes "the server's answer ..."; NUL is the name of a byte value.
        return UpdateMessages::tr("holds NUL bytes");
    case ReplyFault::WebPage:
        //: Completes "the server's answer ...".
        return UpdateMessages::tr("is a web page");
    case ReplyFault::NoCircuitName:
        //: Completes "the server's answer ...".
        return UpdateMessages::tr("has no circuit name");
    case ReplyFault::NoIntervals:
        //: Completes "the server's answer ...".
        return UpdateMessages::tr("has no intervals");
    case ReplyFault::NoExercises:
        //: Completes "the server's answer ...".
        return UpdateMessages::tr("has no exercises");
    case ReplyFault::BadKey:
        //: Completes "the server's answer ..."; %1 is a line number, %2 what is wrong with the key.
        return UpdateMessages::tr("has a bad key on line %1: %2")
            .arg(totext(refusal.key.args.size() > 1 ? refusal.key.args[1] : std::string()),
                 keyreasonwords(refusal.key));
    }
    return {};
}

QString reasontext(const TransferFailure& failure, const QString& detail) {
    const TransferFailureKind kind = failure.kind;
    switch (kind) {
    case TransferFailureKind::None:
        return {};
    case TransferFailureKind::NoTransport:
        return UpdateMessages::tr("The download module could not be loaded");
    case TransferFailureKind::HostNotFound:
        //: %1 is the server's host name.
        return UpdateMessages::tr("The server name %1 is unknown").arg(detail);
    case TransferFailureKind::NoConnection:
        //: %1 is the server's host and port: "localhost:80".
        return UpdateMessages::tr("No connection to %1").arg(detail);
    case TransferFailureKind::TimedOut:
        return UpdateMessages::tr("The connection timed out");
    case TransferFailureKind::NoAnswer:
        return UpdateMessages::tr("The server closed the connection without an answer");
    case TransferFailureKind::ConnectionLost:
        return UpdateMessages::tr("The connection was lost");
    case TransferFailureKind::Status:
        //: %1 is the HTTP status code: "404".
        return UpdateMessages::tr("The server answered %1").arg(detail);
    case TransferFailureKind::Unreadable:
        return UpdateMessages::tr("The server's answer could not be read");
    case TransferFailureKind::NoLength:
        return UpdateMessages::tr("The server's answer did not give its length");
    case TransferFailureKind::CutShort:
        return UpdateMessages::tr("The server's answer was cut short");
    case TransferFailureKind::Empty:
        return UpdateMessages::tr("The server's answer was empty");
    case TransferFailureKind::TooLarge:
        return UpdateMessages::tr("The server's answer was too large");
    case TransferFailureKind::RedirectedAway:
        return UpdateMessages::tr("The server sent the program to another address");
    case TransferFailureKind::TooManyRedirects:
        return UpdateMessages::tr("The server redirected the program too often");
    case TransferFailureKind::Refused:
        //: %1 says what was wrong with the answer: "is empty".
        return UpdateMessages::tr("The server's answer %1").arg(refusalwords(failure.refusal));
    case TransferFailureKind::NotWritten:
        //: %1 is the path of a file.
        return UpdateMessages::tr("%1 could not be written").arg(detail);
    case TransferFailureKind::Stopped:
        return UpdateMessages::tr("The download was stopped");
    case TransferFailureKind::Failed:
        break;
    }
    return UpdateMessages::tr("The download failed");
}

} // namespace

QString transferfailuretext(const TransferFailure& failure) {
    return reasontext(failure, totext(failure.detail));
}

void UpdateMessages::show(const QString& text) {
    Dialogs::message(m_parent, text); // names and reasons from the server: plain text
}

void UpdateMessages::exercisesAdded(int added, bool libraryFull) {
    if (libraryFull)
        //: Title case in English, as the launcher's links.
        show(tr("%1 Exercises Added. The exercise library is full (%2 exercises)")
                 .arg(QString::number(added), QString::number(kLibraryCapacity)));
    else
        //: Title case in English, as the launcher's links.
        show(tr("%1 Exercises Added").arg(added));
}

void UpdateMessages::nothingNew(ContentList list) {
    if (list == ContentList::Exercises)
        show(tr("No new exercises available at this time"));
    else
        show(tr("No new circuits available at this time"));
}

// A reply the content check refused says what was wrong with it; any other
// failure gives its reason on a second line.
void UpdateMessages::listFailed(ContentList list, const TransferFailure& failure) {
    const bool refused = failure.kind == TransferFailureKind::Refused;
    if (list == ContentList::Exercises)
        show(refused ? tr("New exercise file was refused: the server's answer %1")
                           .arg(refusalwords(failure.refusal))
                     : tr("New exercise file could not be found\n%1")
                           .arg(transferfailuretext(failure)));
    else
        show(refused ? tr("New circuit file was refused: the server's answer %1")
                           .arg(refusalwords(failure.refusal))
                     : tr("New circuit file could not be found\n%1")
                           .arg(transferfailuretext(failure)));
}

void UpdateMessages::circuitsAdded(int added) {
    //: Title case in English, as the launcher's links.
    show(tr("%1 Circuits Added").arg(added));
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
        show(tr("Circuit %1 was refused: the server's answer %2")
                 .arg(text(name), refusalwords(failure.refusal)));
    else
        //: %1 is the circuit file's name, %2 the reason on a line of its own.
        show(tr("Circuit %1 could not be downloaded\n%2")
                 .arg(text(name), reasontext(failure, text(failure.detail))));
}

void UpdateMessages::stepFailed(std::exception_ptr error) {
    guarded(m_parent, [&] { std::rethrow_exception(error); });
}
