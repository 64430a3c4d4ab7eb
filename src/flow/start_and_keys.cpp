// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The start button and the Space key.
#include "game/game.h"

namespace quazzle {

void Game::Command1_Click() {
    if (!st_.startButtonVisible) return;
    // Everything still waiting from the demo unwinds instead of going on.
    beginEpoch();
    st_.startButtonVisible = false;
    platform_.changed(Region::StartButton, 0);
    st_.isDemo = false;
    BoardAblement(kTrue);
    setTimerInterval(TimerId::Timer1, 0);
    setTimerInterval(TimerId::Timer2, 0);
    setTimerInterval(TimerId::Timer3, 0);
    NewGame();
}

void Game::KeyUp(int keyCode) {
    if (keyCode == kSpaceKey) UseBomb();
}

}  // namespace quazzle
