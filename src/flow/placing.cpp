// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Placing the piece in hand where the hover preview shows it.
#include <algorithm>

#include "game/game.h"

namespace quazzle {

void Game::picCell_Click(int index) {
    const std::string colourText = st_.Tag;
    for (const PieceKind& kind : kPieceKinds) {
        // Dealing happens inside a placement, so the kind in hand is read afresh each time.
        if (st_.thePiece != kind.name) continue;
        const Footprint footprint(kind, index);
        // A footprint reaching past the first or last cell places nothing.
        if (!std::ranges::all_of(footprint, onBoard)) break;
        const bool marked = std::ranges::all_of(
            footprint, [this](int i) { return isHoverMark(st_.picCell[i].backColor); });
        if (!marked) continue;
        const auto colour = colourFromText(colourText);
        if (!colour) break;
        for (int i : footprint) setColour(i, *colour);
        ResetHourglass();
    }
    theChecker();
}

}  // namespace quazzle
