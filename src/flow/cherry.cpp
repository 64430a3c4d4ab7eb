// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Putting the cherry on the board.
#include "game/game.h"

namespace quazzle {

void Game::Timer2_Timer() {
    const int index = rng_.upTo(99);
    // One cherry at a time: a tick that finds one still tagged (one put down during a game-over
    // sweep) moves it rather than adding a second.
    for (int i = 0; i < kCellCount; ++i)
        if (st_.picCell[i].tag == kCherryTag) {
            st_.picCell[i].tag.clear();
            setPicture(i, Picture::None);
        }
    setPicture(index, Picture::Cherry);
    st_.picCell[index].tag = kCherryTag;
    setTimerInterval(TimerId::Timer2, 0);
    platform_.playPlayer(Player::Cherry);
}

}  // namespace quazzle
