// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include "board/board.h"

namespace quazzle {

enum class LineKind { Row, Column };

// The ten cells of row or column `n`, in scanning order (left to right, top to bottom).
constexpr std::array<int, kBoardSide> lineCells(LineKind kind, int n) {
    std::array<int, kBoardSide> cells{};
    for (int i = 0; i < kBoardSide; ++i)
        cells[i] = kind == LineKind::Row ? n * kBoardSide + i : n + i * kBoardSide;
    return cells;
}

// A line is complete when all ten cells are occupied by one and the same colour.
inline bool isComplete(const Board& board, const std::array<int, kBoardSide>& line) {
    if (!isOccupied(board[line[0]].backColor)) return false;
    for (int i = 1; i < kBoardSide; ++i)
        if (board[line[i]].backColor != board[line[i - 1]].backColor) return false;
    return true;
}

}  // namespace quazzle
