#pragma once

#include "platform/decimal.h"

class SoundPlayer;

// Announces the consideration minute just taken: its ordinal (initial - remaining), waited
// for, then how many remain.
void KouryoYomi(SoundPlayer& player, const Decimal& remaining, const Decimal& initial);
