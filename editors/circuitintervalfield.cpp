#include "editors/circuitintervalfield.h"

#include "editors/circuitinterval.h"

#include <QLineEdit>

// Typing changes the text with signals; the arrows and the spin box's own
// tidying change it silently and announce only a new value. Both lead here, and
// a reaction runs once for each new text.
CircuitIntervalField::CircuitIntervalField(QWidget* parent) : QSpinBox(parent) {
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { reportIfChanged(); });
    connect(this, &QSpinBox::valueChanged, this, [this] { reportIfChanged(); });
}

void CircuitIntervalField::reportIfChanged() {
    if (lineEdit()->text() == m_lastText)
        return;
    m_lastText = lineEdit()->text();
    if (onTextChange)
        onTextChange();
}

QString CircuitIntervalField::shownText() const {
    return lineEdit()->text();
}

void CircuitIntervalField::setShownText(const QString& text) {
    if (lineEdit()->text() == text)
        return;
    lineEdit()->setText(text); // the spin box takes its value from the text
}

QValidator::State CircuitIntervalField::validate(QString& input, int&) const {
    return isintervalinput(input.toStdString()) ? QValidator::Acceptable : QValidator::Invalid;
}

int CircuitIntervalField::valueFromText(const QString& text) const {
    const IntervalRange range{static_cast<uint32_t>(minimum()), static_cast<uint32_t>(maximum())};
    return static_cast<int>(readinterval(text.toStdString(), range));
}

// Whatever was typed stays as it is; the editor's rules decide what it becomes.
void CircuitIntervalField::fixup(QString&) const {}
