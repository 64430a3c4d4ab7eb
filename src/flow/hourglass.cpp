// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The hourglass: the time left to place the piece in hand.
#include "game/game.h"
#include "game/layout.h"
#include "game/sounds.h"

namespace quazzle {

void Game::Timer1_Timer() {
    // The glass stays full while the game-over sequence runs; one sequence per game end.
    if (gameOverRunning()) return;
    st_.hourglassFill += layout::kHourglassStep;
    platform_.changed(Region::Hourglass, 0);
    if (st_.hourglassFill >= layout::kHourglassFull) GameOver();
}

void Game::ResetHourglass() {
    ++st_.Score;
    refreshScore();
    st_.hourglassFill = 0;
    platform_.changed(Region::Hourglass, 0);
    platform_.playEffect(sound::kPlace);
    ChangePiece();
}

}  // namespace quazzle
