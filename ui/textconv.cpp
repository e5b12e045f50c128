#include "textconv.h"

#include <QStringDecoder>

QString totext(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string tobytes(const QString& text) { return text.toStdString(); }

std::string tobytes(const QString& text, const std::string& original) {
    if (text == totext(original))
        return original;
    return tobytes(text);
}
