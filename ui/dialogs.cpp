#include "ui/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString title() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Stridewell") : name;
}

// The buttons' words, as Qt gives them in English, in the program's own
// translation: a language Qt ships no words for still gets its buttons.
void wordbuttons(QMessageBox& box) {
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } words[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("Dialogs", "OK")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Dialogs", "Cancel")},
        //: The & marks the key that answers with it (Alt+Y).
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("Dialogs", "&Yes")},
        //: The & marks the key that answers with it (Alt+N).
        {QMessageBox::No, QT_TRANSLATE_NOOP("Dialogs", "&No")},
    };
    for (const auto& word : words)
        if (QAbstractButton* button = box.button(word.button))
            button->setText(QCoreApplication::translate("Dialogs", word.text));
}

// The real dialogs. Their texts name files and exercises: never markup.
class MessageBoxes final : public DialogPresenter {
public:
    void message(QWidget* parent, const QString& text) override {
        // A plain message: no icon, one OK button.
        QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        wordbuttons(box);
        box.exec();
    }

    void selectableMessage(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        wordbuttons(box);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box.exec();
    }

    bool confirm(QWidget* parent, const QString& text, std::optional<QPoint> at) override {
        QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Ok | QMessageBox::Cancel,
                        parent);
        box.setTextFormat(Qt::PlainText);
        wordbuttons(box);
        if (at) {
            box.adjustSize();
            box.move(*at);
        }
        return box.exec() == QMessageBox::Ok;
    }

    bool ask(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setTextFormat(Qt::PlainText);
        wordbuttons(box);
        return box.exec() == QMessageBox::Yes;
    }

    std::optional<QString> saveFileName(QWidget* parent, const QString& caption,
                                        const QString& suggested, const QString& filter) override {
        const QString path = QFileDialog::getSaveFileName(parent, caption, suggested, filter);
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }

    std::optional<QString> openFileName(QWidget* parent, const QString& caption,
                                        const QString& filter) override {
        // From the home folder, as a start from the desktop's menu would.
        const QString path = QFileDialog::getOpenFileName(parent, caption, QDir::homePath(), filter);
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }
};

DialogPresenter* g_presenter = nullptr;

DialogPresenter& presenter() {
    static MessageBoxes real;
    return g_presenter ? *g_presenter : real;
}

} // namespace

void Dialogs::message(QWidget* parent, const QString& text) {
    presenter().message(parent, text);
}

void Dialogs::selectableMessage(QWidget* parent, const QString& text) {
    presenter().selectableMessage(parent, text);
}

bool Dialogs::confirm(QWidget* parent, const QString& text, std::optional<QPoint> at) {
    return presenter().confirm(parent, text, at);
}

bool Dialogs::ask(QWidget* parent, const QString& text) {
    return presenter().ask(parent, text);
}

std::optional<QString> Dialogs::saveFileName(QWidget* parent, const QString& caption,
                                             const QString& suggested, const QString& filter) {
    return presenter().saveFileName(parent, caption, suggested, filter);
}

std::optional<QString> Dialogs::openFileName(QWidget* parent, const QString& caption,
                                             const QString& filter) {
    return presenter().openFileName(parent, caption, filter);
}

void Dialogs::setPresenter(DialogPresenter* presenter) {
    g_presenter = presenter;
}
