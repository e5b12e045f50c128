#pragma once

#include "ui/dialogs.h"

#include <QStringList>

#include <deque>

// Stands in for the program's dialogs where no one watches (the tests, the
// start-up probe): nothing is shown, each text is recorded, each question
// takes the next queued answer (Cancel or No when none is queued) and each file
// question the next queued path (Cancel when none is).
class RecordingDialogs final : public DialogPresenter {
public:
    std::deque<bool> answers;
    std::deque<QString> fileNames;
    QStringList shown;

    void message(QWidget*, const QString& text) override { shown << text; }
    void selectableMessage(QWidget*, const QString& text) override { shown << text; }

    bool confirm(QWidget*, const QString& text, std::optional<QPoint>) override {
        return answer(text);
    }
    bool ask(QWidget*, const QString& text) override { return answer(text); }

    std::optional<QString> saveFileName(QWidget*, const QString& caption, const QString&,
                                        const QString&) override {
        return fileName(caption);
    }
    std::optional<QString> openFileName(QWidget*, const QString& caption,
                                        const QString&) override {
        return fileName(caption);
    }

private:
    std::optional<QString> fileName(const QString& caption) {
        shown << caption;
        if (fileNames.empty())
            return std::nullopt;
        QString path = fileNames.front();
        fileNames.pop_front();
        return path;
    }

    bool answer(const QString& question) {
        shown << question;
        if (answers.empty())
            return false;
        const bool next = answers.front();
        answers.pop_front();
        return next;
    }
};
