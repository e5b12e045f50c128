#include "ui/plaintext.h"

#include <QTextDocument>

QString plaintext(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    // As rich text that says nothing but the text itself.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}
