#pragma once

#include "core/decimal.h"

#include <QString>

// The two clips of a consideration minute just taken: its ordinal, said to its end, then how
// many are left. An empty clip has nothing to say; an empty ordinal still cuts off what was
// sounding.
struct ConsiderationClips {
    QString ordinal;
    QString minutesLeft;

    bool operator==(const ConsiderationClips&) const = default;
};

// `left` already counts the minute just taken out.
ConsiderationClips considerationClips(const Decimal& left, const Decimal& granted);
