// The players file, in code page 932 or UTF-8 with any line ends: every name is free of
// control characters, no line gives more than one name, and the first two lines name the two
// sides.
#include "core/game_clock.h"
#include "core/players_file.h"
#include "core/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList names = playerNames(textLines(bytes));
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r');
    require(names.size() <= lineEnds + 1);
    for (const QString& name : names) {
        for (const QChar c : name)
            require(c.category() != QChar::Other_Control && c != u'\u2028' && c != u'\u2029');
    }
    SettableWallClock wallClock;
    NoAudio audio;
    GameClock game(wallClock, audio);
    game.loadPlayers(names);
    for (const Side side : kBothSides) {
        if (qsizetype(indexOf(side)) < names.size())
            require(game.name(side) == names[qsizetype(indexOf(side))]);
    }
    return 0;
}
