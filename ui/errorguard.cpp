#include "ui/errorguard.h"

#include "ui/dialogs.h"

#include <QCoreApplication>

void reporterror(QWidget* parent, const QString& text) {
    // The report itself must not throw out of a Qt frame either.
    // An error's text may name a file or repeat what a file held.
    try {
        Dialogs::message(parent, text); // shown as plain text
    } catch (...) {
    }
}

QString unexpectederrortext() {
    //: An error that came without a text of its own.
    return QCoreApplication::translate("ErrorGuard", "Unexpected error");
}
