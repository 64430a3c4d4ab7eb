// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/game_state.h"

namespace quazzle::accessibility {

// What the player hears about is read from the game at each look.
struct Scene {
    bool demo = true;
    bool over = false;      // the game-over sequence runs
    bool clearing = false;  // a cleared line's cells are flashing
    int score = 0;
    int best = 0;
    int level = 1;
    int lines = 0;  // lines cleared since level 0
    int bombs = 0;
    int cherry = -1;     // the cherry's cell, or -1
    int timeLeft = 100;  // percent of the hourglass still empty
};
Scene sceneOf(const GameState& state, bool gameOverRunning);

// In the order they are spoken when several wait together.
enum class Topic { Demo, Game, Lines, Level, Cherry, Bombs, Time, Over };

struct News {
    Topic topic;
    std::string words;
    // A line clear's count and points, which add up while it waits to be spoken, and the score.
    int lines = 0;
    int points = 0;
    int score = 0;
};

// The words for `lines` lines that paid `points`, leaving `score`.
std::string linesWords(int lines, int points, int score);

// Follows the game from look to look and tells what changed for the player. The demo says one
// line and nothing more.
class Newsroom {
  public:
    std::vector<News> look(const Scene& now);

  private:
    std::vector<News> between(const Scene& before, const Scene& now);

    std::optional<Scene> last_;
    int scoreBeforeClear_ = 0;
    bool demoTold_ = false;
};

}  // namespace quazzle::accessibility
