// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/spoken.h"

#include <QColor>
#include <algorithm>
#include <string_view>

#include "board/pieces.h"
#include "qt_colour.h"

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

QString colourWord(Colour c) {
    const auto* const it = std::ranges::find(kColourWords, c, &Word::colour);
    if (it != kColourWords.end()) return QString::fromLatin1(it->word);
    return toQColor(c).name();
}

QString kindWords(std::string_view kind) {
    const PieceKind* found = findKind(kind);
    return found ? QString::fromLatin1(found->words.data(), qsizetype(found->words.size()))
                 : QStringLiteral("none");
}

// The words for a cell, and its cherry if it has one.
QString withCherry(QString words, const Cell& cell) {
    if (cell.picture == Picture::Cherry) words += QStringLiteral(", cherry");
    return words;
}

QString position(int index) {
    return QStringLiteral("row %1, column %2: ").arg(rowOf(index) + 1).arg(columnOf(index) + 1);
}
}  // namespace

QString cell(const Cell& cell) { return withCherry(colourWord(cell.backColor), cell); }

QString cellAt(const GameState& state, int index) {
    return position(index) + cell(state.picCell[index]);
}

bool fits(const GameState& state, int index) {
    const PieceKind* kind = findKind(state.thePiece);
    if (!kind || !onBoard(index) || !kind->edge.allows(index)) return false;
    return std::ranges::none_of(Footprint(*kind, index),
                                [&](int i) { return isOccupied(state.picCell[i].backColor); });
}

QString pointedCellAt(const GameState& state, int index) {
    // A shown colour already says the piece cannot go there; an empty cell says only whether it
    // can, so that the name is over before the pointer moves on.
    const Cell& c = state.picCell[index];
    const bool fit = fits(state, index);
    if (!fit && !isEmpty(c.backColor)) return cellAt(state, index);
    return position(index) + withCherry(fit ? QStringLiteral("fits") : QStringLiteral("no fit"), c);
}

QString cellName(const GameState& state, int index, bool underPointer) {
    return underPointer ? pointedCellAt(state, index) : cellAt(state, index);
}

QString piece(const GameState& state) {
    QString words = QStringLiteral("Piece: ") + kindWords(state.thePiece);
    if (const auto colour = colourFromText(state.Tag)) words += ", " + colourWord(*colour);
    return words;
}

QString score(const GameState& state) {
    return QStringLiteral("Score %1, best %2").arg(state.Score).arg(state.TopScore);
}

QString level(const GameState& state) {
    return QStringLiteral("Level ") + QString::fromStdString(state.lblMyLevel[0]);
}

QString bombs(const GameState& state) {
    const auto held = std::ranges::count(state.bombSolid, true);
    return QStringLiteral("Bombs %1 of %2").arg(held).arg(kBombSlots);
}

QString instructions() {
    return QStringLiteral(
        "How to play: left click to place a block on the board. The space bar explodes a bomb. "
        "Fill rows and columns with single colours. Lines with cherries give extra points.");
}

QString finalScore(const GameState& state) {
    return QStringLiteral("Final score %1, best %2").arg(state.Score).arg(state.TopScore);
}

int experience(const GameState& state) { return std::clamp(state.theXP, 0, kLinesPerLevel); }

QString experienceText(const GameState& state) {
    return QStringLiteral("%1 of %2").arg(experience(state)).arg(kLinesPerLevel);
}

int hourglassPercent(const GameState& state) { return hourglassPercent(state.hourglassFill); }

int hourglassPercent(double fill) {
    return std::clamp(int(fill * 100 / layout::kHourglassFull), 0, 100);
}

int timeLeftPercent(const GameState& state) { return 100 - hourglassPercent(state); }

}  // namespace quazzle::spoken
