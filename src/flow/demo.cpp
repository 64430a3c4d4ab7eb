// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The game playing itself until the player starts.
#include "game/abandoned.h"
#include "game/game.h"
#include "game/timings.h"

namespace quazzle {

// One step of the demo. The demo's loop outlives the demo's games: when the demo loses one while
// the step waits, the rest of the step belonged to the lost game and unwinds, and the loop goes
// on with the restarted one. Only the start button and the end of the program end the loop.
template <class Step>
void Game::demoStep(Step&& step) {
    try {
        step();
    } catch (const Abandoned&) {
        // Decided below, as for a step that ran to its end.
    }
    if (!st_.isDemo || platform_.ending()) throw Abandoned{};
}

void Game::Demo() {
    setTimerInterval(TimerId::Timer1, timing::kHourglassTickMs);
    setTimerInterval(TimerId::Timer2, timing::kFirstCherryMs);
    for (;;) {
        demoStep([this] { platform_.processEvents(); });
        if (!st_.isDemo) break;
        for (int c = 0; c < kCellCount; ++c)
            demoStep([this, c] {
                // A line the previous step cleared switched the board back on.
                BoardAblement(kFalse);
                picCell_MouseMove(c, 1, 1, 1, 1);
                picCell_Click(c);
                Pause(timing::kDemoStep);
            });
    }
    BoardAblement(kTrue);
    setTimerInterval(TimerId::Timer1, 0);
    setTimerInterval(TimerId::Timer2, 0);
}

}  // namespace quazzle
