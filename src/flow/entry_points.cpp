// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The toolkit's ways into the routines: each runs to its end or unwinds quietly.
#include "game/game.h"

#include "game/abandoned.h"

namespace quazzle {

template <class Routine>
void Game::entry(Routine&& routine) {
    if (platform_.ending()) return;
    // Ticks that fell due while the window slept come first, in their order.
    platform_.settle();
    run(routine);
}

template <class Routine>
void Game::run(Routine&& routine) {
    if (platform_.ending()) return;
    try {
        routine();
    } catch (const Abandoned&) {
        // The routine's game is gone; whatever replaced it owns the board now.
    }
}

void Game::load() {
    entry([this] { startUp(); });
}

void Game::pointerMoved(int index, float x, float y) {
    if (!onBoard(index) || !st_.picCell[index].enabled) return;
    entry([&] { picCell_MouseMove(index, 0, 0, x, y); });
}

void Game::clicked(int index) {
    if (!onBoard(index) || !st_.picCell[index].enabled) return;
    entry([&] { picCell_Click(index); });
}

void Game::backgroundMoved() {
    entry([this] { DoEr(); });
}

void Game::keyReleased(int keyCode) {
    entry([&] { KeyUp(keyCode); });
}

void Game::startPressed() {
    entry([this] { Command1_Click(); });
}

void Game::timerTicked(TimerId id) {
    // The platform runs the ticks in their order itself.
    run([&] {
        switch (id) {
            case TimerId::Timer1:
                Timer1_Timer();
                break;
            case TimerId::Timer2:
                Timer2_Timer();
                break;
            case TimerId::Timer3:
                Timer3_Timer();
                break;
        }
    });
}

}  // namespace quazzle
