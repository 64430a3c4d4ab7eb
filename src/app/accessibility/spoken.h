// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include "game/game_state.h"

// What the window's controls say to assistive technology, in words, from the game's state.
namespace quazzle::spoken {

QString cell(const Cell& cell);  // "red, cherry"
// Where a board cell is and what it shows: "row 3, column 5: red".
QString cellAt(const GameState& state, int index);
// Whether the piece in hand would go down with its anchor on cell `index`.
bool fits(const GameState& state, int index);
// The cell under the pointer, short enough to be heard before the pointer moves on:
// "row 3, column 5: fits", "row 3, column 5: no fit" or "row 3, column 5: red".
QString pointedCellAt(const GameState& state, int index);
// A board cell's name: pointedCellAt under the pointer, cellAt elsewhere.
QString cellName(const GameState& state, int index, bool underPointer);
QString piece(const GameState& state);  // "Piece: square, red"
QString score(const GameState& state);  // "Score 12, best 340"
QString level(const GameState& state);  // "Level 2"
QString bombs(const GameState& state);  // "Bombs 2 of 3"
QString instructions();
// What the prompt that ends a game describes beside its question: "Final score 12, best 340".
QString finalScore(const GameState& state);

// Lines toward the next level, out of kLinesPerLevel; "1 of 5".
int experience(const GameState& state);
QString experienceText(const GameState& state);
// The hourglass fill in whole percent of full.
int hourglassPercent(const GameState& state);
int hourglassPercent(double fill);
// The time left before the hourglass is full, in whole percent.
int timeLeftPercent(const GameState& state);

}  // namespace quazzle::spoken
