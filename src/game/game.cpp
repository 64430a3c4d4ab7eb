// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The game's own plumbing: waits that unwind an obsolete routine, timer settings and the
// repaint notices every change of a cell sends.
#include "game/game.h"

#include "game/abandoned.h"

namespace quazzle {

Game::Game(Platform& platform, std::uint32_t seed) : platform_(platform), rng_(seed) {}

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
