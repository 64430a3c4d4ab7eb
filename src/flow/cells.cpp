// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Cell colours, the palette draw and the board's input switch.
#include <algorithm>

#include "game/game.h"

namespace quazzle {

Colour Game::RandomColor() {
    // Past level six every colour is open; a draw must never land outside the palette.
    const int open = std::clamp<int>(st_.theLevel, 1, int(colour::kPalette.size()));
    return colour::kPalette[rng_.upTo(open) - 1];
}

void Game::DoEr() {
    for (int i = 0; i < kCellCount; ++i)
        if (isHoverMark(st_.picCell[i].backColor)) setColour(i, colour::kEmpty);
}

void Game::BoardAblement(std::int16_t theAble) {
    const bool enabled = theAble == kTrue;
    for (Cell& cell : st_.picCell) cell.enabled = enabled;
}

}  // namespace quazzle
