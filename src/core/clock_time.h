#pragma once

#include <QString>
#include <compare>

// A duration or time of day in whole seconds. The text form is H:MM:SS with the hours
// counting on past 24, so a long game's total time is never shown wrapped.
class ClockTime {
public:
    constexpr ClockTime() = default;
    static constexpr ClockTime fromSeconds(long long seconds) { return ClockTime(seconds); }
    static constexpr ClockTime fromHms(long long h, long long m, long long s) {
        return ClockTime(h * 3600 + m * 60 + s);
    }

    constexpr long long seconds() const { return seconds_; }
    QString toText() const;

    constexpr ClockTime operator+(ClockTime o) const { return ClockTime(seconds_ + o.seconds_); }
    constexpr ClockTime operator-(ClockTime o) const { return ClockTime(seconds_ - o.seconds_); }
    constexpr auto operator<=>(const ClockTime&) const = default;

private:
    constexpr explicit ClockTime(long long seconds)
        : seconds_(seconds) {}
    long long seconds_ = 0;
};

inline constexpr ClockTime kOneSecond = ClockTime::fromSeconds(1);
