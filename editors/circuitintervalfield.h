#pragma once

#include <QSpinBox>

#include <functional>

// An interval field of the circuit editor: a whole-number field with arrows.
// Unlike a plain QSpinBox it lets the user type any whole number, also one
// beyond the range or nothing at all, and reports every change of its text;
// the editor's rules then clamp the value and set the text it should show.
class CircuitIntervalField final : public QSpinBox {
    Q_OBJECT
public:
    explicit CircuitIntervalField(QWidget* parent = nullptr);

    // Runs on every change of the shown text, however it was made; the frame
    // decides which changes set off a reaction.
    std::function<void()> onTextChange;

    QString shownText() const;
    void setShownText(const QString& text);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;

private:
    void reportIfChanged();

    QString m_lastText; // the text the last report left
};
