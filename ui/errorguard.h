#pragma once

#include "ui/textconv.h"

#include <QString>

#include <exception>
#include <string>
#include <utility>

class QWidget;

// Reports an error that ended a reaction: a message box with the error's text.
void reporterror(QWidget* parent, const QString& text);

// What an error without a text of its own reads as: "Unexpected error".
QString unexpectederrortext();

// An error's text in the user's language: the runtime's own texts ("File not
// found", "Disk full", ...) are worded; any other text (it names a file or a
// line) is shown as it came.
QString errortext(const std::string& what);
// An exception's text in the user's language: a file error's by its words.
QString errortext(const std::exception& error);

// Every Qt entry point (slot, event handler, timer, posted call) runs its body
// through this guard, so no exception ever crosses a Qt frame. A file error
// ends the reaction and is shown with its text; whatever the reaction changed
// before stays changed.
template <class Body>
void guarded(QWidget* parent, Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (const std::exception& error) {
        reporterror(parent, errortext(error)); // paths and names are bytes
    } catch (...) {
        reporterror(parent, unexpectederrortext());
    }
}
