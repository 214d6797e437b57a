#include "core/number_text.h"

#include <cmath>

namespace {

QChar asciiForm(QChar c) {
    if (c >= u'０' && c <= u'９')
        return QChar(u'0' + (c.unicode() - u'０'));
    switch (c.unicode()) {
    case u'．':
        return u'.';
    case u'＋':
        return u'+';
    case u'－':
    case u'−':
        return u'-';
    default:
        return c;
    }
}

QString normalised(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(asciiForm(c));
    return out.trimmed(); // trimmed() also drops the ideographic space U+3000
}

// [sign] digits [. digits], with at least one digit.
bool hasNumberShape(QStringView ascii) {
    qsizetype i = ascii.startsWith(u'+') || ascii.startsWith(u'-') ? 1 : 0;
    bool point = false;
    bool digit = false;
    for (; i < ascii.size(); ++i) {
        if (ascii[i] == u'.' && !point)
            point = true;
        else if (ascii[i].isDigit() && ascii[i].unicode() < 128)
            digit = true;
        else
            return false;
    }
    return digit;
}

} // namespace

std::optional<Decimal> toDecimal(const QString& text) {
    return Decimal::parse(normalised(text));
}

std::optional<double> toDouble(const QString& text) {
    const QString ascii = normalised(text);
    if (!hasNumberShape(ascii))
        return std::nullopt;
    bool ok = false;
    const double value = ascii.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt; // too large to be a number the clock could use
    return value;
}

// Rounded as the number the text reads as: digits beyond the kept decimals still decide
// which way a value just past a half goes.
std::optional<std::int16_t> toInteger16(const QString& text) {
    const auto number = toDouble(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default rounding: half to even
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}
