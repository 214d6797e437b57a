#include "result/result_file.h"

#include <QFile>
#include <QStringEncoder>
#include <cerrno>
#include <unistd.h>

namespace {

// One character (a code point, so a surrogate pair stays whole) in code page 932.
std::optional<QByteArray> encoded(QStringView character) {
    QStringEncoder encoder("windows-31j");
    QByteArray bytes = encoder.encode(character);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

template <typename F> void forEachCharacter(const QString& text, F&& f) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        f(QStringView(text).mid(i, length));
        i += length;
    }
}

} // namespace

QString unencodableCharacters(const QString& text) {
    QString found;
    forEachCharacter(text, [&found](QStringView c) {
        if (!encoded(c) && !found.contains(c))
            found += c;
    });
    return found;
}

QByteArray toCodePage932(const QString& text) {
    QByteArray bytes;
    forEachCharacter(text, [&bytes](QStringView c) { bytes += encoded(c).value_or("?"); });
    return bytes;
}

std::optional<QString> appendToFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    const qint64 before = file.size();
    QString reason;
    if (file.write(bytes) != bytes.size() || !file.flush())
        reason = file.errorString();
    else if (::fsync(file.handle()) != 0)
        reason = qt_error_string(errno);
    if (!reason.isEmpty()) {
        file.resize(before); // no half block left behind
        return reason;
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return std::nullopt;
}
