// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "flow/game.h"

#include "flow/abandoned.h"

namespace quazzle {

Game::Game(Platform& platform, std::uint32_t seed) : platform_(platform), rng_(seed) {}

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

void Game::Pause(double seconds) {
    const std::uint64_t epoch = epoch_;
    platform_.pause(seconds);
    unwindIfObsolete(epoch);
}

void Game::unwindIfObsolete(std::uint64_t epoch) const {
    if (epoch != epoch_ || platform_.ending()) throw Abandoned{};
}

void Game::endProgram() {
    platform_.endProgram();
    throw Abandoned{};
}

void Game::setTimerInterval(TimerId id, int ms) {
    TimerSetting& t = timer(id);
    t.interval = ms;
    platform_.armTimer(id, t.interval, t.enabled);
}

void Game::setTimerEnabled(TimerId id, bool on) {
    TimerSetting& t = timer(id);
    if (t.enabled == on) return;
    t.enabled = on;
    platform_.armTimer(id, t.interval, t.enabled);
}

void Game::setColour(int index, Colour c) {
    Cell& cell = st_.picCell[index];
    if (cell.backColor == c) return;
    cell.backColor = c;
    platform_.changed(Region::Cell, index);
}

void Game::setPicture(int index, Picture picture) {
    Cell& cell = st_.picCell[index];
    if (cell.picture == picture) return;
    cell.picture = picture;
    platform_.changed(Region::Cell, index);
}

}  // namespace quazzle
