#include "core/decimal.h"

namespace {

// Bounds that keep every sum, difference and alignment inside 64 bits without checks:
// at most 9 decimals and a magnitude below 10^9 (far beyond any count a clock needs).
constexpr int kMaxScale = 9;
constexpr std::int64_t kMaxMagnitude = 1'000'000'000;

std::int64_t powerOfTen(int n) {
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

} // namespace

std::optional<Decimal> Decimal::parse(QStringView ascii) {
    qsizetype i = 0;
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == u'+' || ascii[i] == u'-'))
        negative = ascii[i++] == u'-';
    std::int64_t mantissa = 0;
    int scale = 0;
    int digits = 0;
    bool point = false;
    for (; i < ascii.size(); ++i) {
        const QChar c = ascii[i];
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        ++digits;
        if (point && scale == kMaxScale)
            continue; // beyond the precision kept; a typed count never gets there
        mantissa = mantissa * 10 + (c.unicode() - u'0');
        scale += point ? 1 : 0;
        if (mantissa / powerOfTen(scale) >= kMaxMagnitude)
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return Decimal(negative ? -mantissa : mantissa, scale);
}

QString Decimal::toText() const {
    std::int64_t m = mantissa_;
    int scale = scale_;
    while (scale > 0 && m % 10 == 0) {
        m /= 10;
        --scale;
    }
    const bool negative = m < 0;
    QString digits = QString::number(negative ? -static_cast<unsigned long long>(m)
                                              : static_cast<unsigned long long>(m));
    if (scale > 0) {
        digits = digits.rightJustified(scale + 1, u'0');
        digits.insert(digits.size() - scale, u'.');
    }
    return negative ? u'-' + digits : digits;
}

bool Decimal::isWhole() const {
    return mantissa_ % powerOfTen(scale_) == 0;
}

long long Decimal::truncated() const {
    return mantissa_ / powerOfTen(scale_);
}

long long Decimal::roundedHalfEven() const {
    const std::int64_t unit = powerOfTen(scale_);
    const long long whole = mantissa_ / unit;
    const std::int64_t rest = mantissa_ % unit; // same sign as the mantissa
    const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    const long long away = mantissa_ < 0 ? whole - 1 : whole + 1;
    if (twice > unit || (twice == unit && whole % 2 != 0))
        return away;
    return whole;
}

void Decimal::align(Decimal& a, Decimal& b) {
    while (a.scale_ < b.scale_) {
        a.mantissa_ *= 10;
        ++a.scale_;
    }
    while (b.scale_ < a.scale_) {
        b.mantissa_ *= 10;
        ++b.scale_;
    }
}

Decimal operator+(Decimal a, Decimal b) {
    Decimal::align(a, b);
    return Decimal(a.mantissa_ + b.mantissa_, a.scale_);
}

Decimal operator-(Decimal a, Decimal b) {
    Decimal::align(a, b);
    return Decimal(a.mantissa_ - b.mantissa_, a.scale_);
}

bool operator==(const Decimal& a, const Decimal& b) {
    return (a <=> b) == 0;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    Decimal x = a;
    Decimal y = b;
    Decimal::align(x, y);
    return x.mantissa_ <=> y.mantissa_;
}
