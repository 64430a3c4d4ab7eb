// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The hover preview: the cells the piece in hand would cover turn black.
#include <algorithm>

#include "game/game.h"

namespace quazzle {

namespace {
bool onRim(float x, float y) {
    return x < layout::kRimLow || x > layout::kRimHigh || y < layout::kRimLow ||
           y > layout::kRimHigh;
}
}  // namespace

void Game::picCell_MouseMove(int index, int /*button*/, int /*shift*/, float x, float y) {
    if (!onBoard(index)) return;
    if (!st_.isDemo && onRim(x, y)) {
        DoEr();
        if (st_.picCell[index].tag != kCherryTag) setPicture(index, Picture::None);
        return;
    }
    const PieceKind* kind = findKind(st_.thePiece);
    if (!kind) return;

    // The old preview goes even where the new one cannot be shown.
    ClearTheCells();
    if (!kind->edge.allows(index)) return;

    const Footprint footprint(*kind, index);
    const bool fits =
        std::ranges::all_of(footprint, [this](int i) { return isEmpty(st_.picCell[i].backColor); });
    if (!fits) return;
    for (int i : footprint) setColour(i, colour::kHoverMark);
}

void Game::ClearTheCells() {
    for (int i = 0; i < kCellCount; ++i) {
        if (isHoverMark(st_.picCell[i].backColor)) setColour(i, colour::kEmpty);
        if (st_.picCell[i].tag != kCherryTag) setPicture(i, Picture::None);
    }
}

}  // namespace quazzle
