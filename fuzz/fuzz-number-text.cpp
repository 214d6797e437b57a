// The number fields: any text is a value within its field's range, or a bad field.
#include "core/game_settings.h"
#include "core/number_text.h"
#include "fuzz_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto number = toDouble(text);
    require(!number || std::isfinite(*number));
    if (const auto whole = toInteger16(text))
        require(number && std::abs(*whole - *number) <= 0.5);

    for (std::size_t i = 0; i < 6; ++i) {
        const auto field = SettingsField(i);
        GameSettings settings;
        settings.players = {{{"", "0", "0", "0", 30}, {"", "0", "0", "0", 30}}};
        QString* const fields[] = {
            &settings.players[0].hours,         &settings.players[0].minutes,
            &settings.players[1].hours,         &settings.players[1].minutes,
            &settings.players[0].consideration, &settings.players[1].consideration};
        *fields[i] = text;
        const auto checked = settings.check();
        if (const auto* bad = std::get_if<SettingsField>(&checked)) {
            require(*bad == field);
            continue;
        }
        require(!outOfRange(field, text)); // the dialog keeps what the clock takes
        const auto& clocks = std::get<GameSettings::Checked>(checked).clocks;
        const int maximum = ruleOf(field).maximum;
        const std::size_t side = i < 4 ? i / 2 : i - 4;
        const SideClock& clock = clocks[side];
        if (i < 4) {
            const long long seconds = clock.mainTime.seconds();
            const long long unit = i % 2 == 0 ? 3600 : 60;
            require(seconds >= 0 && seconds <= maximum * unit && seconds % unit == 0);
        } else {
            require(clock.considerationLeft >= Decimal(0) &&
                    clock.considerationLeft <= Decimal(maximum));
        }
    }
    return 0;
}
