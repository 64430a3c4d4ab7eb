// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The game playing itself until the player starts.
#include "flow/game.h"
#include "flow/timings.h"

namespace quazzle {

void Game::Demo() {
    setTimerInterval(TimerId::Timer1, timing::kHourglassTickMs);
    setTimerInterval(TimerId::Timer2, timing::kFirstCherryMs);
    for (;;) {
        const std::uint64_t epoch = epoch_;
        platform_.processEvents();
        unwindIfObsolete(epoch);
        if (!st_.isDemo) break;
        for (int c = 0; c < kCellCount; ++c) {
            // A line the previous step cleared switched the board back on.
            BoardAblement(kFalse);
            picCell_MouseMove(c, 1, 1, 1, 1);
            picCell_Click(c);
            Pause(timing::kDemoStep);
        }
    }
    BoardAblement(kTrue);
    setTimerInterval(TimerId::Timer1, 0);
    setTimerInterval(TimerId::Timer2, 0);
}

}  // namespace quazzle
