#include "dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace {
bool g_testMode = false;
std::deque<bool> g_answers;
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
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent);
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
    if (at) {
        box.adjustSize();
        box.move(*at);
    }
    return box.exec() == QMessageBox::Ok;
}

void Dialogs::setTestMode(bool on) {
    g_testMode = on;
    g_answers.clear();
    g_shown.clear();
}

void Dialogs::setNextAnswer(bool ok) { g_answers.push_back(ok); }

QStringList Dialogs::takeShown() {
    QStringList shown;
    shown.swap(g_shown);
    return shown;
}
