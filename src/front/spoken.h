// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "game/game_state.h"

// What the window's controls say to assistive technology, in words, from the game's state.
namespace quazzle::spoken {

std::string boardName();             // "Board"
std::string boardDescription();      // "10 rows of 10 cells"
std::string cell(const Cell& cell);  // "red, cherry"
// Where a board cell is and what it shows: "row 3, column 5: red".
std::string cellAt(const GameState& state, int index);
// Whether the piece in hand would go down with its anchor on cell `index`.
bool fits(const GameState& state, int index);
// The cell under the pointer, short enough to be heard before the pointer moves on:
// "row 3, column 5: fits", "row 3, column 5: no fit" or "row 3, column 5: red".
std::string pointedCellAt(const GameState& state, int index);
// A board cell's name: pointedCellAt under the pointer, cellAt elsewhere.
std::string cellName(const GameState& state, int index, bool underPointer);
std::string piece(const GameState& state);  // "Piece: square, red"
std::string score(const GameState& state);  // "Score 12, best 340"
std::string level(const GameState& state);  // "Level 2"
std::string bombs(const GameState& state);  // "Bombs 2 of 3"
std::string instructions();
// What the prompt that ends a game describes beside its question: "Final score 12, best 340".
std::string finalScore(const GameState& state);

// The hourglass and the experience bar: their names, and how far they have gone.
std::string timeLeftName();         // "Time left"
std::string timeLeftDescription();  // what the hourglass is for
std::string experienceName();       // "Experience"
// Lines toward the next level, out of kLinesPerLevel; "1 of 5".
int experience(const GameState& state);
std::string experienceText(const GameState& state);
// The hourglass fill in whole percent of full.
int hourglassPercent(const GameState& state);
int hourglassPercent(double fill);
// The time left before the hourglass is full, in whole percent.
int timeLeftPercent(const GameState& state);

}  // namespace quazzle::spoken
