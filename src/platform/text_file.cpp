#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar::ByteOrderMark) ? text.mid(1) : text;
    QStringDecoder cp932("windows-31j");
    return cp932.decode(bytes);
}

std::optional<QStringList> readTextLines(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = decodeText(bytes).split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line opens no new line
    return lines;
}
