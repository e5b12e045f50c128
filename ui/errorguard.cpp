#include "ui/errorguard.h"

#include "data/ioerror.h"
#include "ui/dialogs.h"
#include "ui/filewords.h"

#include <QCoreApplication>

void reporterror(QWidget* parent, const QString& text) {
    // The report itself must not throw out of a Qt frame either.
    // An error's text may name a file or repeat what a file held.
    try {
        Dialogs::message(parent, text); // shown as plain text
    } catch (...) {
    }
}

QString errortext(const std::string& what) {
    // The texts the runtime gives for a file error (data/ioerror.cpp).
    static const char* const kRuntimeTexts[] = {
        QT_TRANSLATE_NOOP("IoError", "File not found"),
        QT_TRANSLATE_NOOP("IoError", "Path not found"),
        QT_TRANSLATE_NOOP("IoError", "File access denied"),
        QT_TRANSLATE_NOOP("IoError", "Disk full"),
        QT_TRANSLATE_NOOP("IoError", "Too many open files"),
        QT_TRANSLATE_NOOP("IoError", "Disk write error"),
        QT_TRANSLATE_NOOP("IoError", "Disk read error"),
        QT_TRANSLATE_NOOP("IoError", "Invalid numeric input"),
    };
    for (const char* text : kRuntimeTexts)
        if (what == text)
            return QCoreApplication::translate("IoError", text);
    return totext(what);
}

QString errortext(const std::exception& error) {
    if (const auto* fileError = dynamic_cast<const IoError*>(&error))
        return filetextwords(fileError->words());
    return errortext(error.what());
}

QString unexpectederrortext() {
    //: An error that came without a text of its own.
    return QCoreApplication::translate("ErrorGuard", "Unexpected error");
}
