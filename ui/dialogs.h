#pragma once

#include <QPoint>
#include <QString>

#include <optional>

class QWidget;

// What shows the program's modal dialogs: real message boxes and file
// questions, or in the tests a recorder put in their place.
class DialogPresenter {
public:
    virtual ~DialogPresenter() = default;
    virtual void message(QWidget* parent, const QString& text) = 0;
    virtual void selectableMessage(QWidget* parent, const QString& text) = 0;
    virtual bool confirm(QWidget* parent, const QString& text, std::optional<QPoint> at) = 0;
    virtual bool ask(QWidget* parent, const QString& text) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& caption,
                                                const QString& suggested,
                                                const QString& filter) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& caption,
                                                const QString& filter) = 0;
};

// Every modal dialog of the program goes through here, so one presenter shows
// them all and another can stand in for it.
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

    // A question with Yes and No; true for Yes.
    static bool ask(QWidget* parent, const QString& text);

    // Asks where to save a file; nothing when the user cancels. `suggested`
    // is the path offered first.
    static std::optional<QString> saveFileName(QWidget* parent, const QString& caption,
                                               const QString& suggested, const QString& filter);

    // Asks which file to open; nothing when the user cancels.
    static std::optional<QString> openFileName(QWidget* parent, const QString& caption,
                                               const QString& filter);

    // Puts another presenter in place of the real dialogs; nullptr puts the
    // real ones back. The presenter must outlive its use.
    static void setPresenter(DialogPresenter* presenter);
};
