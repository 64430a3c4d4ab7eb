// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/layout.h"

namespace quazzle {

// The board's area on the window, in window pixels: ten cells a pitch apart, the last one whole.
inline constexpr int kBoardPitchPixels = layout::kCellPitch / layout::kTwipsPerPixel;
inline constexpr int kBoardCellPixels = layout::kCellSize / layout::kTwipsPerPixel;
inline constexpr int kBoardLeftPixels = layout::kCellLeft / layout::kTwipsPerPixel;
inline constexpr int kBoardTopPixels = layout::kCellTop / layout::kTwipsPerPixel;
inline constexpr int kBoardSidePixels = kBoardPitchPixels * 9 + kBoardCellPixels;

// A point over the board: the cell it is in, and where inside that cell, in twips.
struct CellPoint {
    int index;
    float x;
    float y;
};

// The cell under a point `x`, `y` window pixels from the board's top-left corner (clamped to
// the board). Neighbouring cells share a pixel; it belongs to the later cell, which lies on top.
CellPoint cellAt(double x, double y);

}  // namespace quazzle
