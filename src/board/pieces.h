// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <span>
#include <string_view>

#include "board/board.h"

namespace quazzle {

// Where an anchor may stand so that the footprint stays on the board, in the anchor's rows and
// columns.
struct EdgeRule {
    int firstColumn = 0;
    int lastColumn = 9;
    int lowestIndex = 0;
    int highestIndex = 99;

    constexpr bool allows(int index) const {
        const int column = columnOf(index);
        return onBoard(index) && column >= firstColumn && column <= lastColumn &&
               index >= lowestIndex && index <= highestIndex;
    }
};

struct Offset {
    int row;
    int column;
    constexpr int index() const { return row * kBoardSide + column; }
};

inline constexpr int kMaxPieceCells = 9;

// One kind of piece: its footprint on the board and its picture in the preview box.
struct PieceKind {
    std::string_view name;
    std::string_view words;  // the kind in plain words; an L is named by where its corner sits
    int cellCount;
    std::array<Offset, kMaxPieceCells> footprint;  // from the anchor, in marking order
    std::array<int, kMaxPieceCells> previewCells;  // preview indices, in painting order
    EdgeRule edge;

    constexpr std::span<const Offset> cells() const {
        return {footprint.data(), size_t(cellCount)};
    }
    constexpr std::span<const int> preview() const {
        return {previewCells.data(), size_t(cellCount)};
    }
};

inline constexpr int kKindCount = 13;
// Dealing draws only the first twelve kinds.
inline constexpr int kDealtKinds = 12;

// Every kind, in the order the rules examine them.
extern const std::array<PieceKind, kKindCount> kPieceKinds;

// The kind called `name`, or nullptr.
const PieceKind* findKind(std::string_view name);

// The board indices covered by `kind` anchored at `anchor`, in marking order (they may lie off
// the board).
class Footprint {
  public:
    Footprint(const PieceKind& kind, int anchor);
    const int* begin() const { return cells_.data(); }
    const int* end() const { return cells_.data() + count_; }

  private:
    std::array<int, kMaxPieceCells> cells_{};
    int count_ = 0;
};

}  // namespace quazzle
