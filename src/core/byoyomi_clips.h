#pragma once

#include "core/decimal.h"

#include <QString>

// The clip said at second `elapsed` of a period, empty for a silent second: the ten-second
// marks, the warnings at 25 and 55 while consideration minutes are left and the final
// countdown when none are.
QString byoyomiClip(int elapsed, int periodLength, const Decimal& considerationLeft);
