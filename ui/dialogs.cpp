#include "dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
bool g_testMode = false;
std::deque<bool> g_answers;
std::deque<QString> g_fileNames;
QStringList g_shown;

QString title() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Stridewell") : name;
}
} // namespace

void Dialogs::message(QWidget* parent, const QString& text) {
    if (g_testMode) {
        g_shown << text;
        return;
    }
    // A plain message: no icon, one OK button.
    // The texts name files and exercises: never markup.
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Dialogs::selectableMessage(QWidget* parent, const QString& text) {
    if (g_testMode) {
        g_shown << text;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool Dialogs::confirm(QWidget* parent, const QString& text, std::optional<QPoint> at) {
    if (g_testMode) {
        g_shown << text;
        if (g_answers.empty())
            return false;
        const bool answer = g_answers.front();
        g_answers.pop_front();
        return answer;
    }
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.setTextFormat(Qt::PlainText);
    if (at) {
        box.adjustSize();
        box.move(*at);
    }
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> Dialogs::saveFileName(QWidget* parent, const QString& caption,
                                             const QString& suggested, const QString& filter) {
    if (g_testMode) {
        g_shown << caption;
        if (g_fileNames.empty())
            return std::nullopt;
        QString path = g_fileNames.front();
        g_fileNames.pop_front();
        return path;
    }
    const QString path = QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void Dialogs::setTestMode(bool on) {
    g_testMode = on;
    g_answers.clear();
    g_fileNames.clear();
    g_shown.clear();
}

void Dialogs::setNextAnswer(bool ok) { g_answers.push_back(ok); }

void Dialogs::setNextFileName(const QString& path) { g_fileNames.push_back(path); }

QStringList Dialogs::takeShown() {
    QStringList shown;
    shown.swap(g_shown);
    return shown;
}
