// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Dealing the piece in hand and painting it into the preview box.
#include <string>

#include "game/game.h"

namespace quazzle {

void Game::ChangePiece() {
    for (int slot = 0; slot < kPreviewSlots; ++slot)
        if (hasPreviewCell(slot)) st_.previewCell[slot] = colour::kPreviewBlank;

    const PieceKind& kind = kPieceKinds[rng_.upTo(kDealtKinds) - 1];
    st_.Tag = std::to_string(RandomColor());
    st_.thePiece = kind.name;

    if (const auto colour = colourFromText(st_.Tag))
        for (int slot : kind.preview()) st_.previewCell[slot] = *colour;
    platform_.changed(Region::Preview, 0);
}

}  // namespace quazzle
