#include "core/result_file.h"

#include <QRegularExpression>
#include <QStringEncoder>
#include <QStringList>
#include <utility>

namespace {

// Characters that Japanese input on other systems types as the standard's own code points,
// and the code page's full-width forms that Windows writes for them with the same bytes.
constexpr std::pair<char16_t, char16_t> kWindowsForms[] = {
    {u'〜', u'～'}, {u'−', u'－'}, {u'‖', u'∥'}, {u'¢', u'￠'}, {u'£', u'￡'}, {u'¬', u'￢'},
};

QChar windowsForm(QChar c) {
    for (const auto& [standard, windows] : kWindowsForms)
        if (c == standard)
            return windows;
    return c;
}

// One character (a code point, so a surrogate pair stays whole) in code page 932.
std::optional<QByteArray> encoded(QStringView character) {
    QStringEncoder encoder("windows-31j");
    const QString text =
        character.size() == 1 ? QString(windowsForm(character[0])) : character.toString();
    QByteArray bytes = encoder.encode(text);
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

QString blockEndLine() {
    return QString(34, u'-');
}

QString recordedBlock(const QString& boxText) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = boxText.split(lineEnd);
    const auto blank = [](const QString& line) { return line.trimmed().isEmpty(); };
    while (!lines.isEmpty() && blank(lines.first()))
        lines.removeFirst();
    while (!lines.isEmpty() && blank(lines.last()))
        lines.removeLast();
    if (lines.isEmpty() || lines.last() != blockEndLine())
        lines << blockEndLine();
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

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
