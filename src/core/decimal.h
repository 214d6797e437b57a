#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// An exact decimal number as typed: 2.5 stays 2.5 and 2.5 - 1 is exactly 1.5. Held as an
// integer mantissa scaled by a power of ten.
class Decimal {
public:
    constexpr Decimal() = default;
    constexpr Decimal(int whole)
        : mantissa_(whole) {}

    // Parses [sign] digits [. digits] in ASCII; nullopt for anything else or on overflow.
    static std::optional<Decimal> parse(QStringView ascii);

    QString toText() const;
    bool isWhole() const;
    // The whole number when isWhole(); otherwise rounded towards zero.
    long long truncated() const;
    // Rounded to the nearest whole number, a half going to the even neighbour.
    long long roundedHalfEven() const;

    friend Decimal operator+(Decimal a, Decimal b);
    friend Decimal operator-(Decimal a, Decimal b);
    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

private:
    constexpr Decimal(std::int64_t mantissa, int scale)
        : mantissa_(mantissa)
        , scale_(scale) {}
    static void align(Decimal& a, Decimal& b);

    std::int64_t mantissa_ = 0;
    int scale_ = 0;
};
