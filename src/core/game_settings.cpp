#include "core/game_settings.h"

#include "core/number_text.h"
#include "core/players_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

constexpr FieldRule kHours{"0", 23, "0"};
constexpr FieldRule kMinutes{"15", 59, "0"};
constexpr FieldRule kConsideration{"10", 10, "10"};
constexpr int kByoyomiLength = 30;
// In the order of SettingsField.
constexpr FieldRule kRules[] = {kHours, kMinutes, kHours, kMinutes, kConsideration, kConsideration};

bool isConsideration(SettingsField field) {
    return field == SettingsField::LeftConsideration || field == SettingsField::RightConsideration;
}

} // namespace

const FieldRule& ruleOf(SettingsField field) {
    return kRules[std::size_t(field)];
}

bool outOfRange(SettingsField field, const QString& text) {
    const int maximum = ruleOf(field).maximum;
    if (isConsideration(field)) {
        const std::optional<Decimal> value = toDecimal(text);
        return value && (*value < Decimal(0) || *value > Decimal(maximum));
    }
    const std::optional<double> value = toDouble(text);
    const double rounded = value ? std::nearbyint(*value) : 0; // half to even, as the clock
    return rounded < 0 || rounded > maximum;
}

GameSettings GameSettings::defaults() {
    const Player player{
        {}, kHours.initial, kMinutes.initial, kConsideration.initial, kByoyomiLength};
    GameSettings settings;
    settings.players = {player, player};
    return settings;
}

std::variant<GameSettings::Checked, SettingsField> GameSettings::check() const {
    const Player& left = players[indexOf(Side::Left)];
    const Player& right = players[indexOf(Side::Right)];
    // In the order of SettingsField.
    const std::array<std::optional<std::int16_t>, 4> hoursAndMinutes = {
        toInteger16(left.hours), toInteger16(left.minutes), toInteger16(right.hours),
        toInteger16(right.minutes)};
    const std::array<std::optional<Decimal>, 2> consideration = {toDecimal(left.consideration),
                                                                 toDecimal(right.consideration)};
    const std::array<const QString*, 6> texts = {&left.hours,         &left.minutes,
                                                 &right.hours,        &right.minutes,
                                                 &left.consideration, &right.consideration};
    // Consideration minutes count only with byoyomi.
    const std::size_t checkedTexts =
        control == TimeControl::Byoyomi ? texts.size() : hoursAndMinutes.size();
    for (std::size_t i = 0; i < checkedTexts; ++i) {
        const auto field = SettingsField(i);
        const bool number = i < hoursAndMinutes.size()
                                ? bool(hoursAndMinutes[i])
                                : bool(consideration[i - hoursAndMinutes.size()]);
        if (!number || outOfRange(field, *texts[i]))
            return field;
    }
    Checked checked{{}, {}, senteSide};
    for (std::size_t i = 0; i < players.size(); ++i) {
        const ClockTime mainTime =
            ClockTime::fromHms(*hoursAndMinutes[2 * i], *hoursAndMinutes[2 * i + 1], 0);
        // Without byoyomi a side with no main time would lose at its first second.
        if (control != TimeControl::Byoyomi && mainTime == ClockTime())
            return SettingsField(2 * i + 1); // its minutes
        checked.names[i] = withoutControlCharacters(players[i].name).trimmed();
        checked.clocks[i] =
            control == TimeControl::Byoyomi
                ? SideClock::forNewGame(
                      mainTime, *consideration[i],
                      std::clamp(players[i].byoyomiLength, kShortestByoyomi, kLongestByoyomi))
                : SideClock::withoutByoyomi(mainTime, control,
                                            std::clamp(increment, 1, kLargestIncrement));
    }
    return checked;
}
