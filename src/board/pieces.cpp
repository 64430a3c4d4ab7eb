// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "board/pieces.h"

#include <algorithm>

namespace quazzle {

namespace {
constexpr EdgeRule allowed(int first, int last, int lowest = 0, int highest = 99) {
    return {first, last, lowest, highest};
}
}  // namespace

// clang-format off
const std::array<PieceKind, kKindCount> kPieceKinds = {{
    {"L-R",    "L, corner top-left",       3, {{{0, 0}, {0, 1}, {1, 0}}},  {2, 3, 5},  allowed(0, 8, 0, 89)},
    {"L-L",    "L, corner bottom-left",    3, {{{0, 0}, {0, 1}, {-1, 0}}}, {2, 5, 6},  allowed(0, 8, 10, 99)},
    {"L-RB",   "L, corner top-right",      3, {{{0, 0}, {0, -1}, {1, 0}}}, {1, 2, 5},  allowed(1, 9, 0, 89)},
    {"L-LB",   "L, corner bottom-right",   3, {{{0, 0}, {0, -1}, {-1, 0}}}, {2, 4, 5}, allowed(1, 9, 10, 99)},
    {"SQUARE", "square",                   4, {{{0, 0}, {0, 1}, {1, 0}, {1, 1}}}, {2, 3, 5, 6}, allowed(0, 8, 0, 89)},
    {"H-D",    "pair, horizontal",         2, {{{0, 0}, {0, 1}}},  {5, 6}, allowed(0, 8)},
    {"V-D",    "pair, vertical",           2, {{{0, 0}, {1, 0}}},  {2, 5}, allowed(0, 9, 0, 89)},
    {"DOT",    "single cell",              1, {{{0, 0}}},          {5},    allowed(0, 9)},
    {"H-B",    "bar of four, horizontal",  4, {{{0, 0}, {0, 1}, {0, 2}, {0, 3}}}, {4, 5, 6, 14}, allowed(0, 6)},
    {"V-B",    "bar of four, vertical",    4, {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}}, {2, 5, 8, 22}, allowed(0, 9, 0, 69)},
    {"H-P",    "bar of five, horizontal",  5, {{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}}, {10, 4, 5, 6, 14}, allowed(0, 5)},
    {"V-P",    "bar of five, vertical",    5, {{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}}, {27, 2, 5, 8, 22}, allowed(0, 9, 0, 59)},
    {"THREExTHREE", "block of three by three", 9,
     {{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}},
     {1, 2, 3, 4, 5, 6, 7, 8, 9}, allowed(0, 7, 0, 79)},
}};
// clang-format on

const PieceKind* findKind(std::string_view name) {
    const auto* const it = std::ranges::find(kPieceKinds, name, &PieceKind::name);
    return it == kPieceKinds.end() ? nullptr : &*it;
}

Footprint::Footprint(const PieceKind& kind, int anchor) : count_(kind.cellCount) {
    std::ranges::transform(kind.cells(), cells_.begin(),
                           [anchor](Offset o) { return anchor + o.index(); });
}

}  // namespace quazzle
