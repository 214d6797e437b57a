#pragma once

#include "platform/decimal.h"

class SoundPlayer;
class UiTimer;

// Announces second t of a period of length L for a side with k consideration minutes left:
// the ten-second marks, the warnings at 25 and 55 while minutes are left, and the final
// countdown when none are. Tunes how often Timer1 polls the wall clock as the end nears.
void Byouyomi(SoundPlayer& player, UiTimer& Timer1, const Decimal& k, int t, int L);
