#pragma once

#include "core/side.h"

#include <array>
#include <vector>

// How the players end their moves: each side's own keys, as QKeyEvent::key() codes, the first
// of them named on the face; and whether a tap or a click on the half of the face of the side
// to move ends its move as well.
struct InputOptions {
    std::array<std::vector<int>, 2> moveKeys;
    bool tap = false;

    const std::vector<int>& keysOf(Side side) const { return moveKeys[indexOf(side)]; }
    std::vector<int>& keysOf(Side side) { return moveKeys[indexOf(side)]; }
    bool operator==(const InputOptions&) const = default;
};
