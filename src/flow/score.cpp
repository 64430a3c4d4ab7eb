// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The score label and its divider.
#include <algorithm>
#include <string>

#include "game/game.h"
#include "game/layout.h"

namespace quazzle {

void Game::refreshScore() {
    st_.TopScore = std::max(st_.TopScore, st_.Score);
    st_.lblScore = std::to_string(st_.Score) + "   " + std::to_string(st_.TopScore);
    st_.lblScoreWidth = platform_.scoreTextWidth(st_.lblScore);
    st_.line1X = layout::kScoreLabel.left + st_.lblScoreWidth / 2;
    platform_.changed(Region::Score, 0);
}

}  // namespace quazzle
