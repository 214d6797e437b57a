#pragma once

#include "platform/decimal.h"

#include <QString>
#include <optional>

class SoundPlayer;

// Says a number of moves from 0 to 999 from single-word clips, each waited for; nothing for
// what is not a number, below 1 (but 0) or from 1000 up. A fraction is rounded half to even.
void TesuuYomi(SoundPlayer& player, const std::optional<Decimal>& number);

// The result announcement at a game's end: the move count, 手にて, and who won.
void Oshimai(SoundPlayer& player, int c1, const QString& Kekka);
