#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class QWidget;

// Every modal dialog of the program goes through here, so tests can answer in
// advance and read what was shown instead of blocking on a real dialog.
class Dialogs final {
public:
    // A plain message with an OK button.
    static void message(QWidget* parent, const QString& text);

    // A question with OK and Cancel; true for OK. `at` is the dialog's
    // top-left corner on the screen, when given.
    static bool confirm(QWidget* parent, const QString& text,
                        std::optional<QPoint> at = std::nullopt);

    // Test mode: no dialog is shown; each message is recorded and each
    // confirmation takes the next queued answer (Cancel when none is queued).
    static void setTestMode(bool on);
    static void setNextAnswer(bool ok);
    static QStringList takeShown(); // the texts shown since the last call
};
