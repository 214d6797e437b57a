#include "core/game_settings.h"

#include "core/number_text.h"
#include "core/players_file.h"

#include <cstdint>
#include <optional>

namespace {

constexpr double kFieldMaximum[] = {23, 59, 23, 59, 10, 10}; // in the order of SettingsField

template <typename T> bool inRange(const std::optional<T>& value, SettingsField field) {
    return value && *value >= T(0) && *value <= T(static_cast<int>(fieldMaximum(field)));
}

} // namespace

double fieldMaximum(SettingsField field) {
    return kFieldMaximum[std::size_t(field)];
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
    for (std::size_t i = 0; i < hoursAndMinutes.size(); ++i) {
        if (!inRange(hoursAndMinutes[i], SettingsField(i)))
            return SettingsField(i);
    }
    for (std::size_t i = 0; i < consideration.size(); ++i) {
        const auto field = SettingsField(hoursAndMinutes.size() + i);
        if (!inRange(consideration[i], field))
            return field;
    }
    Checked checked{{}, {}, senteSide};
    for (std::size_t i = 0; i < players.size(); ++i) {
        const ClockTime mainTime =
            ClockTime::fromHms(*hoursAndMinutes[2 * i], *hoursAndMinutes[2 * i + 1], 0);
        checked.names[i] = withoutControlCharacters(players[i].name).trimmed();
        checked.clocks[i] =
            SideClock::forNewGame(mainTime, *consideration[i], players[i].byoyomiLength);
    }
    return checked;
}
