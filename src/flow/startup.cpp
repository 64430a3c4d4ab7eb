// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// What the window does when it loads.
#include <string>

#include "game/game.h"
#include "game/layout.h"
#include "game/sounds.h"
#include "game/timings.h"

namespace quazzle {

void Game::startUp() {
    // The bomb timer runs from the moment the window exists, so the demo earns bombs too.
    setTimerInterval(TimerId::Timer3, timing::kBombEarnMs);
    for (const auto& [player, sound] : sound::kPlayerBindings)
        platform_.bindPlayer(player,
                             "res://" + platform_.exeName() + ".exe/WAVE/" + std::string(sound));
    for (const auto& binding : sound::kPlayerBindings) {
        platform_.playPlayer(binding.player);
        platform_.stopPlayer(binding.player);
    }

    st_.lblScoreWidth = platform_.scoreTextWidth(st_.lblScore);
    st_.line1X = layout::kScoreLabel.left + st_.lblScoreWidth / 2;
    st_.image1Top = layout::kInstructionsFrame.height / 2 - layout::kInstructionsHeight / 2;
    st_.image1Left = layout::kInstructionsFrame.width / 2 - layout::kInstructionsWidth / 2;

    st_.theLevel = 2;
    st_.Bombs = 0;
    st_.theXP = 0;
    LevelMark();

    platform_.showWindow();
    BoardAblement(kFalse);
    ChangePiece();

    st_.isDemo = true;
    Demo();
}

}  // namespace quazzle
