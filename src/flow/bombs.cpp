// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Earning bombs and setting them off.
#include <array>

#include "game/game.h"
#include "game/timings.h"

namespace quazzle {

namespace {
// Neighbours of the blast centre by direction 1 to 8: above, below, left, right, then the
// diagonals above left, above right, below left, below right.
constexpr std::array<int, 8> kBlastDirections = {-10, 10, -1, 1, -11, -9, 9, 11};
}  // namespace

void Game::Timer3_Timer() {
    if (st_.Bombs >= kBombSlots) return;
    platform_.playPlayer(Player::Bomb);
    ++st_.Bombs;
    showBombIcons();
}

void Game::UseBomb() {
    if (st_.Bombs <= 0) return;
    setTimerInterval(TimerId::Timer1, 0);
    --st_.Bombs;
    // The centre stays in rows and columns 2 to 7, so every neighbour is on the board.
    const int band = rng_.upTo(6);
    const int centre = rng_.below(6) + (10 * band + 12);
    platform_.playPlayer(Player::Explode);
    blast(centre);
    const int count = rng_.below(3) + 3;
    for (int k = 0; k < count; ++k) blast(centre + kBlastDirections[rng_.upTo(8) - 1]);
    showBombIcons();
    setTimerInterval(TimerId::Timer1, timing::kHourglassTickMs);
}

void Game::blast(int index) {
    st_.picCell[index].tag.clear();
    setColour(index, colour::kBombFlash);
    Pause(timing::kBombFlash);
    setColour(index, colour::kEmpty);
}

void Game::showBombIcons() {
    for (int k = 0; k < kBombSlots; ++k) st_.bombSolid[k] = k < st_.Bombs;
    platform_.changed(Region::Bombs, 0);
}

}  // namespace quazzle
