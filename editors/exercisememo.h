#pragma once

#include <QPlainTextEdit>

// The description memo. A description is one line of the library file, so
// Enter does nothing here; pasted line breaks are turned into spaces by the
// editor's rules before the text is stored.
class ExerciseMemo final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ExerciseMemo(QWidget* parent = nullptr);

    // The text as shown, every paragraph or line separator given as "\n"; unlike
    // toPlainText() it keeps non-breaking spaces, so a text read back is the
    // text that was set.
    QString text() const;

    // Replaces the text, keeping the cursor where it was as far as the new
    // text allows.
    void replaceText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
