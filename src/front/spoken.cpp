// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "front/spoken.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "board/pieces.h"
#include "game/layout.h"

namespace quazzle::spoken {

namespace {
struct Word {
    Colour colour;
    const char* word;
};

// Every colour a cell or a piece can show; the piece colours in the order the levels open them.
constexpr std::array<Word, 10> kColourWords = {{
    {colour::kEmpty, "empty"},
    {colour::kHoverMark, "marked"},
    {colour::kRed, "red"},
    {colour::kTeal, "teal"},
    {colour::kAmber, "amber"},
    {colour::kGreen, "green"},
    {colour::kBlue, "blue"},
    {colour::kPurple, "purple"},
    {colour::kClearFlash, "clearing"},
    {colour::kBombFlash, "blasted"},
}};

// A colour outside the palette, as a web colour: "#rrggbb".
std::string hexColour(Colour c) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", colour::red(c), colour::green(c),
                  colour::blue(c));
    return text.data();
}

std::string colourWord(Colour c) {
    const auto* const it = std::ranges::find(kColourWords, c, &Word::colour);
    return it != kColourWords.end() ? std::string(it->word) : hexColour(c);
}

std::string kindWords(std::string_view kind) {
    const PieceKind* found = findKind(kind);
    return found ? std::string(found->words) : std::string("none");
}

// The words for a cell, and its cherry if it has one.
std::string withCherry(std::string words, const Cell& cell) {
    if (cell.picture == Picture::Cherry) words += ", cherry";
    return words;
}

std::string position(int index) {
    return "row " + std::to_string(rowOf(index) + 1) + ", column " +
           std::to_string(columnOf(index) + 1) + ": ";
}

std::string scoreAndBest(const char* what, const GameState& state) {
    return what + std::to_string(state.Score) + ", best " + std::to_string(state.TopScore);
}
}  // namespace

std::string boardName() { return "Board"; }

std::string boardDescription() {
    const std::string side = std::to_string(kBoardSide);
    return side + " rows of " + side + " cells";
}

std::string cell(const Cell& cell) { return withCherry(colourWord(cell.backColor), cell); }

std::string cellAt(const GameState& state, int index) {
    return position(index) + cell(state.picCell[index]);
}

bool fits(const GameState& state, int index) {
    const PieceKind* kind = findKind(state.thePiece);
    if (!kind || !onBoard(index) || !kind->edge.allows(index)) return false;
    return std::ranges::none_of(Footprint(*kind, index),
                                [&](int i) { return isOccupied(state.picCell[i].backColor); });
}

std::string pointedCellAt(const GameState& state, int index) {
    // A shown colour already says the piece cannot go there; an empty cell says only whether it
    // can, so that the name is over before the pointer moves on.
    const Cell& c = state.picCell[index];
    const bool fit = fits(state, index);
    if (!fit && !isEmpty(c.backColor)) return cellAt(state, index);
    return position(index) + withCherry(fit ? "fits" : "no fit", c);
}

std::string cellName(const GameState& state, int index, bool underPointer) {
    return underPointer ? pointedCellAt(state, index) : cellAt(state, index);
}

std::string piece(const GameState& state) {
    std::string words = "Piece: " + kindWords(state.thePiece);
    if (const auto colour = colourFromText(state.Tag)) words += ", " + colourWord(*colour);
    return words;
}

std::string score(const GameState& state) { return scoreAndBest("Score ", state); }

std::string level(const GameState& state) { return "Level " + state.lblMyLevel[0]; }

std::string bombs(const GameState& state) {
    const auto held = std::ranges::count(state.bombSolid, true);
    return "Bombs " + std::to_string(held) + " of " + std::to_string(kBombSlots);
}

std::string instructions() {
    return "How to play: left click to place a block on the board. The space bar explodes a bomb. "
           "Fill rows and columns with single colours. Lines with cherries give extra points.";
}

std::string finalScore(const GameState& state) { return scoreAndBest("Final score ", state); }

std::string timeLeftName() { return "Time left"; }

std::string timeLeftDescription() {
    return "The game ends when it runs out; each placement fills it again";
}

std::string experienceName() { return "Experience"; }

int experience(const GameState& state) { return std::clamp(state.theXP, 0, kLinesPerLevel); }

std::string experienceText(const GameState& state) {
    return std::to_string(experience(state)) + " of " + std::to_string(kLinesPerLevel);
}

int hourglassPercent(const GameState& state) { return hourglassPercent(state.hourglassFill); }

int hourglassPercent(double fill) {
    return std::clamp(int(fill * 100 / layout::kHourglassFull), 0, 100);
}

int timeLeftPercent(const GameState& state) { return 100 - hourglassPercent(state); }

}  // namespace quazzle::spoken
