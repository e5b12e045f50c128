#include "ui/textconv.h"

#include "data/textencoding.h"

#include <QStringDecoder>

QString totext(const std::string& bytes) {
    // One rule for what counts as UTF-8, the same as the data layer's.
    if (!isutf8(bytes))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string tobytes(const QString& text) {
    return text.toStdString();
}

std::string tobytes(const QString& text, const std::string& original) {
    if (text == totext(original))
        return original;
    return tobytes(text);
}
