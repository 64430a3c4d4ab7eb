// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/game.h"

namespace quazzle {

// How a test reaches into a game: to lay out a board, or to script the draws to come.
class GameSeam {
  public:
    static GameState& state(Game& game) { return game.st_; }
    static Random& random(Game& game) { return game.rng_; }
};

}  // namespace quazzle
