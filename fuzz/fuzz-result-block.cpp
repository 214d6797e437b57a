// The result box's text as players leave it: names with any characters, stray blank lines
// before and after. The recorded block always has its seven lines and ends with its hyphen
// line.
#include "core/game_result.h"
#include "core/game_settings.h"
#include "core/result_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 3, qsizetype(size - 3));
    const qsizetype split = rest.indexOf('\0');
    GameSettings settings;
    settings.players = {
        {{QString::fromUtf8(rest.left(split)), "0", "1", "0", 30},
         {split < 0 ? QString() : QString::fromUtf8(rest.mid(split + 1)), "0", "1", "0", 30}}};
    const auto settled = settings.check();
    const auto& checked = std::get<GameSettings::Checked>(settled);
    GameResult result;
    result.outcome = Outcome(1 + data[0] % 3);
    result.resigned = data[0] & 0x10;
    result.timedOut = data[0] & 0x20;
    result.movesPlayed = data[1];
    for (std::size_t i = 0; i < 2; ++i)
        result.players[i] = {checked.names[i], checked.clocks[i].mainTime, Decimal(data[2] % 11)};
    const QString blank[] = {"", "\n", " \n", "\r\n\u3000\n"};
    QString box =
        blank[data[1] % 4] + result.summary(QStringLiteral("2026/12/09")) + blank[data[2] % 4];
    if (data[0] & 0x40)
        box.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    const QStringList lines = recordedBlock(box).split(QStringLiteral("\r\n"));
    require(lines.size() == 8 && lines[7].isEmpty());
    require(lines[6] == blockEndLine());
    for (const QString& line : lines)
        require(!line.contains(u'\r') && !line.contains(u'\n'));
    return 0;
}
