#include "core/time_control_presets.h"

#include "core/number_text.h"

namespace {

QString mainTimeName(const GameSettings::Player& player) {
    const int hours = toInteger16(player.hours).value_or(0);
    const int minutes = toInteger16(player.minutes).value_or(0);
    QString name;
    if (hours > 0)
        name = QStringLiteral("%1時間").arg(hours);
    if (minutes > 0)
        name += QStringLiteral("%1分").arg(minutes);
    return name;
}

QString sideName(const GameSettings::Player& player, TimeControl control, int increment) {
    const QString mainTime = mainTimeName(player);
    const QString shownTime = mainTime.isEmpty() ? QStringLiteral("持ち時間なし") : mainTime;
    switch (control) {
    case TimeControl::SuddenDeath:
        return shownTime + QStringLiteral(" 切れ負け");
    case TimeControl::Fischer:
        return shownTime + QStringLiteral(" +%1秒").arg(increment);
    case TimeControl::Byoyomi:
        break;
    }
    QString name = mainTime.isEmpty()
                       ? QStringLiteral("持ち時間なし %1秒").arg(player.byoyomiLength)
                       : QStringLiteral("%1 秒読み%2秒").arg(mainTime).arg(player.byoyomiLength);
    const std::optional<Decimal> minutes = toDecimal(player.consideration);
    if (minutes && *minutes > Decimal(0))
        name += QStringLiteral(" 考慮%1回").arg(minutes->toText());
    return name;
}

Preset preset(TimeControl control, const char* minutes, int seconds,
              const char* consideration = "0") {
    GameSettings settings = GameSettings::defaults();
    settings.control = control;
    for (GameSettings::Player& player : settings.players) {
        player.hours = QStringLiteral("0");
        player.minutes = QString::fromLatin1(minutes);
        player.consideration = QString::fromLatin1(consideration);
        if (control == TimeControl::Byoyomi)
            player.byoyomiLength = seconds;
    }
    if (control == TimeControl::Fischer)
        settings.increment = seconds;
    return {presetName(settings), settings};
}

} // namespace

QString presetName(const GameSettings& settings) {
    const auto& [left, right] = settings.players;
    const QString leftName = sideName(left, settings.control, settings.increment);
    const QString rightName = sideName(right, settings.control, settings.increment);
    return leftName == rightName ? leftName : leftName + QStringLiteral(" ／ ") + rightName;
}

std::vector<Preset> builtInPresets() {
    using enum TimeControl;
    return {preset(Byoyomi, "15", 30, "10"), preset(Byoyomi, "10", 30),
            preset(Byoyomi, "0", 30),        preset(Byoyomi, "0", 10),
            preset(SuddenDeath, "10", 0),    preset(SuddenDeath, "30", 0),
            preset(Fischer, "5", 5),         preset(Fischer, "15", 10)};
}
