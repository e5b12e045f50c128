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

    // A plain message whose text the user can select and copy, shown as it
    // is (never as markup).
    static void selectableMessage(QWidget* parent, const QString& text);

    // A question with OK and Cancel; true for OK. `at` is the dialog's
    // top-left corner on the screen, when given.
    static bool confirm(QWidget* parent, const QString& text,
                        std::optional<QPoint> at = std::nullopt);

    // Asks where to save a file; nothing when the user cancels. `suggested`
    // is the path offered first.
    static std::optional<QString> saveFileName(QWidget* parent, const QString& caption,
                                               const QString& suggested, const QString& filter);

    // Test mode: no dialog is shown; each message is recorded and each
    // confirmation takes the next queued answer (Cancel when none is queued);
    // each file question takes the next queued path (Cancel when none is).
    static void setTestMode(bool on);
    static void setNextAnswer(bool ok);
    static void setNextFileName(const QString& path);
    static QStringList takeShown(); // the texts shown since the last call
};
