#pragma once

#include "core/decimal.h"

#include <QString>

// The clip said at second `elapsed` of a period of 5 to 60 seconds, empty for a silent
// second: the ten-second marks of the twenty seconds before the last ten, then the count of
// the last ten when no consideration minute is left, or the mark five seconds before the end
// (25 of 30, 55 of 60) when one is.
QString byoyomiClip(int elapsed, int periodLength, const Decimal& considerationLeft);
