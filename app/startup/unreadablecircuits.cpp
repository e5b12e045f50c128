#include "app/startup/unreadablecircuits.h"

#include "data/textencoding.h"
#include "ui/dialogs.h"
#include "ui/filewords.h"
#include "ui/textconv.h"

#include <QCoreApplication>

QString unreadablecircuitsmessage(const std::vector<UnreadableFile>& files) {
    if (files.empty())
        return {};
    // The paths are read as one message's bytes: unless all are UTF-8, all
    // are Latin-1.
    bool utf8 = true;
    for (const UnreadableFile& file : files)
        utf8 = utf8 && isutf8(file.path);
    const auto text = [utf8](const std::string& bytes) {
        return utf8 ? totext(bytes)
                    : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    };
    QString message =
        files.size() == 1
            //: Followed by the file's path and the reason, on a line of their own.
            ? QCoreApplication::translate("UnreadableCircuits",
                                          "This circuit file could not be read and is not listed:")
            //: Followed by one line per file: its path and the reason.
            : QCoreApplication::translate(
                  "UnreadableCircuits", "These circuit files could not be read and are not listed:");
    for (const UnreadableFile& file : files)
        message += QLatin1Char('\n') + text(file.path) + QStringLiteral(" (") + filetextwords(file.reason) +
                   QLatin1Char(')');
    return message;
}

void tellunreadablecircuits(QWidget* parent, const std::vector<UnreadableFile>& files) {
    if (const QString text = unreadablecircuitsmessage(files); !text.isEmpty())
        Dialogs::message(parent, text); // shown as plain text
}
