// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include "flow/game_state.h"

// What the window's controls say to assistive technology, in words, from the game's state.
namespace quazzle::spoken {

QString cell(const Cell& cell);         // "red, cherry"
QString piece(const GameState& state);  // "Piece: square, red"
QString score(const GameState& state);  // "Score 12, best 340"
QString level(const GameState& state);  // "Level 2"
QString bombs(const GameState& state);  // "Bombs 2 of 3"
QString instructions();

// Lines toward the next level, out of kLinesPerLevel; "1 of 5".
int experience(const GameState& state);
QString experienceText(const GameState& state);
// The hourglass fill in whole percent of full.
int hourglassPercent(const GameState& state);
int hourglassPercent(double fill);

}  // namespace quazzle::spoken
