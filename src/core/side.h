#pragma once

#include <array>
#include <cstddef>

// The two players at one keyboard, each ending a move with keys of their own (Space and Enter
// unless changed) or a tap on their half of the face. Which of them plays sente is chosen per
// game.
enum class Side { Left, Right };

inline constexpr std::array kBothSides{Side::Left, Side::Right};

constexpr Side opposite(Side side) {
    return side == Side::Left ? Side::Right : Side::Left;
}

// The place of a side in arrays kept per side.
constexpr std::size_t indexOf(Side side) {
    return side == Side::Left ? 0 : 1;
}

// The role of a side in a game: sente moves first.
enum class Role { Sente, Gote };
