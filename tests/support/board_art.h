// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <map>
#include <string>
#include <string_view>

#include "board/board.h"

namespace quazzle::art {

// Boards written as ASCII art: ten rows of ten characters (spaces are ignored), one per cell.
// '.' empty, '#' hover mark, '*' clearing flash, '!' bomb flash, 'r','t','a','g','b','p' the six
// piece colours (red, teal, amber, green, blue, purple).
inline const std::map<char, Colour>& legend() {
    static const std::map<char, Colour> map = {
        {'.', colour::kEmpty},      {'#', colour::kHoverMark},  {'*', colour::kClearFlash},
        {'!', colour::kBombFlash},  {'r', colour::kPalette[0]}, {'t', colour::kPalette[1]},
        {'a', colour::kPalette[2]}, {'g', colour::kPalette[3]}, {'b', colour::kPalette[4]},
        {'p', colour::kPalette[5]},
    };
    return map;
}

inline void paint(Board& board, std::string_view picture) {
    int index = 0;
    for (char c : picture) {
        if (c == ' ' || c == '\n') continue;
        if (index < kCellCount) board[index].backColor = legend().at(c);
        ++index;
    }
}

inline std::string draw(const Board& board) {
    std::string out;
    for (int i = 0; i < kCellCount; ++i) {
        char symbol = '?';
        for (const auto& [c, colour] : legend())
            if (colour == board[i].backColor) symbol = c;
        out += symbol;
        if (i % kBoardSide == kBoardSide - 1) out += '\n';
    }
    return out;
}

// The same picture as `draw` gives, from art written with spaces and line breaks.
inline std::string normalise(std::string_view picture) {
    std::string out;
    int count = 0;
    for (char c : picture) {
        if (c == ' ' || c == '\n') continue;
        out += c;
        if (++count % kBoardSide == 0) out += '\n';
    }
    return out;
}

}  // namespace quazzle::art
