#include "core/result_file.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <utility>

namespace {

// Characters that Japanese input on other systems types as the standard's own code points,
// and the code page's full-width forms that Windows writes for them with the same bytes.
constexpr std::pair<char16_t, char16_t> kWindowsForms[] = {
    {u'〜', u'～'}, {u'−', u'－'}, {u'‖', u'∥'}, {u'¢', u'￠'}, {u'£', u'￡'}, {u'¬', u'￢'},
};

// One character (a code point, so a surrogate pair stays whole) in code page 932. A
// character the encoder writes as another one (a best fit) counts as one it can't hold, so
// that the file never says something else than the box did.
std::optional<QByteArray> encoded(QStringView character) {
    QStringEncoder encoder("windows-31j");
    const QString text =
        character.size() == 1 ? QString(windowsForm(character[0])) : character.toString();
    QByteArray bytes = encoder.encode(text);
    QStringDecoder decoder("windows-31j");
    const QString back = decoder.decode(bytes);
    if (encoder.hasError() || decoder.hasError() || back != text)
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

QChar windowsForm(QChar c) {
    for (const auto& [standard, windows] : kWindowsForms)
        if (c == standard)
            return windows;
    return c;
}

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
    // A space typed after the closing line is not an edit of it.
    if (!lines.isEmpty() && lines.last().trimmed() == blockEndLine())
        lines.last() = blockEndLine();
    else
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
