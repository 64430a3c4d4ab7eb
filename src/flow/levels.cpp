// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Experience, levels and the level labels.
#include <string>

#include "board/colours.h"
#include "game/game.h"

namespace quazzle {

void Game::experienceStep() {
    ++st_.theXP;
    if (st_.theXP != kLinesPerLevel) return;
    ++st_.theLevel;
    LevelMark();
    st_.theXP = 0;
    BoardAblement(kFalse);
    // Switched back on at the end of the line, which restarts both counts.
    setTimerEnabled(TimerId::Timer1, false);
    setTimerEnabled(TimerId::Timer2, false);
    drawXpBar(kLinesPerLevel);
    platform_.playPlayer(Player::Levelup);
}

void Game::LevelMark() {
    for (std::string& label : st_.lblMyLevel) label = std::to_string(st_.theLevel);
    platform_.changed(Region::Levels, 0);
}

void Game::drawXpBar(std::int32_t full) {
    DrawProgressBar(st_.picXP, st_.theXP, full, colour::kXpBack, colour::kXpFore);
}

}  // namespace quazzle
