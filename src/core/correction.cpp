#include "core/correction.h"

#include "core/game_settings.h"
#include "core/number_text.h"

#include <algorithm>
#include <optional>

namespace {

const int kMaxHours = ruleOf(SettingsField::LeftHours).maximum;
const int kMaxMinutesOrSeconds = ruleOf(SettingsField::LeftMinutes).maximum;
const int kMaxConsiderationMinutes = ruleOf(SettingsField::LeftConsideration).maximum;
constexpr int kMaxMoveNumber = 32767; // the largest number the settings' fields take

// A whole number from `minimum` to `maximum`, typed as the settings fields accept numbers.
std::optional<int> wholeNumber(const QString& text, int minimum, int maximum) {
    const std::optional<Decimal> value = toDecimal(text);
    if (!value || !value->isWhole() || *value < Decimal(minimum) || *value > Decimal(maximum))
        return std::nullopt;
    return int(value->truncated());
}

CorrectionField fieldOf(Side side, int offsetInSide) {
    constexpr int kFieldsPerSide = 5;
    return CorrectionField(int(indexOf(side)) * kFieldsPerSide + offsetInSide);
}

} // namespace

std::variant<Correction::Checked, CorrectionField>
Correction::check(const std::array<SideClock, 2>& clocks) const {
    Checked checked{clocks, 0, sideToMove};
    for (const Side side : kBothSides) {
        const SideTimes& typed = sides[indexOf(side)];
        SideClock& clock = checked.clocks[indexOf(side)];
        const auto hours = wholeNumber(typed.hours, 0, kMaxHours);
        if (!hours)
            return fieldOf(side, 0);
        const auto minutes = wholeNumber(typed.minutes, 0, kMaxMinutesOrSeconds);
        if (!minutes)
            return fieldOf(side, 1);
        const auto seconds = wholeNumber(typed.seconds, 0, kMaxMinutesOrSeconds);
        if (!seconds)
            return fieldOf(side, 2);
        const ClockTime mainTime = ClockTime::fromHms(*hours, *minutes, *seconds);
        std::optional<Decimal> consideration = toDecimal(typed.considerationMinutes);
        if (consideration &&
            (*consideration < Decimal(0) || *consideration > Decimal(kMaxConsiderationMinutes)))
            consideration.reset();
        // With main time left, or without byoyomi, no period has begun. A running
        // consideration minute keeps its 60 seconds, unless minutes are given back: then the
        // side is in its byoyomi again.
        const bool mainTimeLeft = mainTime > ClockTime();
        const bool noPeriod = mainTimeLeft || clock.control != TimeControl::Byoyomi;
        const bool minutesGivenBack = consideration && *consideration > clock.considerationLeft;
        const int periodLength =
            noPeriod || minutesGivenBack ? clock.byoyomiLength : clock.periodLength;
        const auto period = wholeNumber(typed.periodSeconds, 0, noPeriod ? 0 : periodLength - 1);
        if (!period)
            return fieldOf(side, 3);
        if (!consideration)
            return fieldOf(side, 4);

        clock.mainTime = mainTime;
        clock.periodLength = periodLength;
        clock.periodElapsed = *period;
        clock.considerationLeft = *consideration;
        // The minutes' ordinals count from the granted ones, which are never fewer than left.
        clock.considerationGranted = std::max(clock.considerationGranted, *consideration);
        // Main time given back is announced again when it runs out.
        if (mainTimeLeft)
            clock.mainTimeOverAnnounced = false;
    }
    const auto move = wholeNumber(moveNumber, 1, kMaxMoveNumber);
    if (!move)
        return CorrectionField::MoveNumber;
    checked.movesPlayed = *move - 1;
    return checked;
}
