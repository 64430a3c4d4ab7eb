// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/colours.h"

namespace quazzle {

inline constexpr int kBoardSide = 10;
inline constexpr int kCellCount = kBoardSide * kBoardSide;
inline constexpr std::string_view kCherryTag = "CHERRY";

enum class Picture { None, Cherry };

// One board cell: its colour is its state.
struct Cell {
    Colour backColor = colour::kEmpty;
    Picture picture = Picture::None;
    std::string tag;
    bool enabled = true;
};

using Board = std::array<Cell, kCellCount>;

constexpr bool onBoard(int index) { return index >= 0 && index < kCellCount; }
constexpr int rowOf(int index) { return index / kBoardSide; }
constexpr int columnOf(int index) { return index % kBoardSide; }

constexpr bool isEmpty(Colour c) { return c == colour::kEmpty; }
constexpr bool isHoverMark(Colour c) { return c == colour::kHoverMark; }
constexpr bool isOccupied(Colour c) { return !isEmpty(c) && !isHoverMark(c); }

}  // namespace quazzle
