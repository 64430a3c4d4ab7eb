// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The rim of a cell, the demo's pointer, and the pictures the preview leaves alone.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <tuple>

#include "rules/rules_support.h"
#include "support/board_art.h"

namespace quazzle::testing {
namespace {

struct RimCase {
    const char* name;
    float x;
    float y;
    bool rim;
};

void PrintTo(const RimCase& c, std::ostream* os) { *os << '(' << c.x << ", " << c.y << ')'; }

const RimCase kRimCases[] = {
    {"LeftOfLow", 19.9f, 200, true},     {"AboveLow", 200, 19.9f, true},
    {"RightOfHigh", 401, 200, true},     {"BelowHigh", 200, 401, true},
    {"JustPastHigh", 400.5f, 400, true}, {"Corner", 0, 0, true},
    {"Negative", -1, 200, true},         {"FarOut", 1000, 1000, true},
    {"XLowEdge", 20, 200, false},        {"XHighEdge", 400, 200, false},
    {"YLowEdge", 200, 20, false},        {"YHighEdge", 200, 400, false},
    {"BothLow", 20, 20, false},          {"BothHigh", 400, 400, false},
};

constexpr int kHovered = 44;
constexpr int kStray = 77;   // a picture on a cell that is not the cherry
constexpr int kCherry = 88;  // the cherry, on an empty cell
const std::set<int> kSquareAtHovered = {44, 45, 54, 55};

class PointerRimTest : public ::testing::TestWithParam<std::tuple<RimCase, bool>> {};

TEST_P(PointerRimTest, RimWipesMarksOutsideTheDemoOnly) {
    const auto& [rimCase, demo] = GetParam();
    Session s;
    art::paint(s.board(),
               ". . . . . . . . . ."
               ". . . . . . . . . ."
               ". . . . . . . . . ."
               ". . . . . . r . . ."
               ". . . . . . . . . ."
               ". . . . . . . . . ."
               ". . . . . . . . . ."
               ". . . . . . . . . b"
               ". . . . . . . . . ."
               "p . . . . . . . . .");
    const Board placed = s.board();
    s.st().thePiece = "SQUARE";
    s.hover(0);
    ASSERT_EQ(blackCells(s.board()), (std::set<int>{0, 1, 10, 11}));
    s.board()[kHovered].picture = Picture::Cherry;
    s.board()[kStray].picture = Picture::Cherry;
    s.board()[kCherry].picture = Picture::Cherry;
    s.board()[kCherry].tag = "CHERRY";
    s.st().isDemo = demo;

    s.game.picCell_MouseMove(kHovered, 0, 0, rimCase.x, rimCase.y);

    const bool drawn = demo || !rimCase.rim;
    EXPECT_EQ(blackCells(s.board()), drawn ? kSquareAtHovered : std::set<int>{});
    EXPECT_EQ(s.board()[kHovered].picture, Picture::None);
    // The rim clears only the hovered cell's picture; a drawn preview clears every stray one.
    EXPECT_EQ(s.board()[kStray].picture, drawn ? Picture::None : Picture::Cherry);
    EXPECT_EQ(s.board()[kCherry].picture, Picture::Cherry);
    EXPECT_EQ(s.board()[kCherry].tag, "CHERRY");
    for (int i = 0; i < kCellCount; ++i)
        if (placed[i].backColor != kEmptyCell) {
            EXPECT_EQ(s.board()[i].backColor, placed[i].backColor) << i;
        }
}

INSTANTIATE_TEST_SUITE_P(Positions, PointerRimTest,
                         ::testing::Combine(::testing::ValuesIn(kRimCases), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_Demo" : "_Player");
                         });

TEST(PointerRim, CherryCellKeepsItsPictureOnTheRim) {
    Session s;
    s.board()[kCherry].picture = Picture::Cherry;
    s.board()[kCherry].tag = "CHERRY";
    s.st().thePiece = "DOT";
    s.game.picCell_MouseMove(kCherry, 0, 0, 401, 401);
    EXPECT_EQ(s.board()[kCherry].picture, Picture::Cherry);
    EXPECT_EQ(s.board()[kCherry].tag, "CHERRY");
}

TEST(CherryCell, CanBeCoveredByThePreviewAndKeepsItsPicture) {
    Session s;
    s.board()[kCherry].picture = Picture::Cherry;
    s.board()[kCherry].tag = "CHERRY";
    s.st().thePiece = "SQUARE";

    s.hover(77);
    EXPECT_EQ(blackCells(s.board()), (std::set<int>{77, 78, 87, 88}));
    EXPECT_EQ(s.board()[kCherry].picture, Picture::Cherry);
    EXPECT_EQ(s.board()[kCherry].tag, "CHERRY");

    s.hover(0);
    EXPECT_EQ(s.board()[kCherry].backColor, kEmptyCell);
    EXPECT_EQ(s.board()[kCherry].picture, Picture::Cherry);
}

TEST(CherryCell, StrayPicturesGoAtTheNextMoveEvenWithoutAPreview) {
    Session s;
    s.board()[kStray].picture = Picture::Cherry;
    s.st().thePiece = "V-P";
    s.hover(99);  // a five-cell column cannot stand on the bottom row
    EXPECT_TRUE(blackCells(s.board()).empty());
    EXPECT_EQ(s.board()[kStray].picture, Picture::None);
}

}  // namespace
}  // namespace quazzle::testing
