#include "errorguard.h"

#include "dialogs.h"

void reporterror(QWidget* parent, const QString& text) {
    // The report itself must not throw out of a Qt frame either.
    try {
        Dialogs::message(parent, text);
    } catch (...) {
    }
}
