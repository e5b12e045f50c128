#include "ui/errorguard.h"

#include "ui/dialogs.h"

void reporterror(QWidget* parent, const QString& text) {
    // The report itself must not throw out of a Qt frame either.
    // An error's text may name a file or repeat what a file held.
    try {
        Dialogs::message(parent, text); // shown as plain text
    } catch (...) {
    }
}
