// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include "board/colours.h"

namespace quazzle {

// The preview box: 25 cells in a 5 x 5 grid whose indices are not in reading order.
// Slots 0, 11, 12, 13, 16, 17 and 18 have no cell.
inline constexpr int kPreviewSlots = 32;
inline constexpr int kPreviewSide = 5;

// clang-format off
inline constexpr std::array<std::array<int, kPreviewSide>, kPreviewSide> kPreviewGrid = {{
    {25, 26, 27, 28, 29},
    {30,  1,  2,  3, 31},
    {10,  4,  5,  6, 14},
    {15,  7,  8,  9, 19},
    {20, 21, 22, 23, 24},
}};
// clang-format on

struct GridPosition {
    int row = -1;
    int column = -1;
    constexpr bool exists() const { return row >= 0; }
};

// Where preview slot `slot` stands in the grid (row -1 when it has no cell).
constexpr GridPosition previewPosition(int slot) {
    for (int r = 0; r < kPreviewSide; ++r)
        for (int c = 0; c < kPreviewSide; ++c)
            if (kPreviewGrid[r][c] == slot) return {r, c};
    return {};
}

constexpr bool hasPreviewCell(int slot) { return previewPosition(slot).exists(); }

using PreviewCells = std::array<Colour, kPreviewSlots>;

}  // namespace quazzle
