// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The starting state of a real game.
#include "game/game.h"
#include "game/timings.h"

namespace quazzle {

void Game::NewGame() {
    setTimerInterval(TimerId::Timer1, timing::kHourglassTickMs);
    setTimerInterval(TimerId::Timer2, timing::kFirstCherryMs);
    setTimerInterval(TimerId::Timer3, timing::kBombEarnMs);
    for (int i = 0; i < kCellCount; ++i) {
        st_.picCell[i].tag.clear();
        setPicture(i, Picture::None);
        setColour(i, colour::kEmpty);
    }
    st_.Score = 0;
    refreshScore();
    st_.hourglassFill = 0;
    platform_.changed(Region::Hourglass, 0);
    st_.bombSolid.fill(false);
    platform_.changed(Region::Bombs, 0);
    st_.Bombs = 0;
    st_.theLevel = 1;
    st_.theXP = 0;
    LevelMark();
    drawXpBar(kLinesPerLevel);
    ChangePiece();
}

}  // namespace quazzle
