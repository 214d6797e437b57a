#pragma once

#include "core/decimal.h"

#include <QStringList>

// The clips that say a number of moves from 0 to 999, largest place first; none below 1
// (but 0) or from 1000 up. A fraction is rounded half to even first.
QStringList moveCountClips(const Decimal& number);
