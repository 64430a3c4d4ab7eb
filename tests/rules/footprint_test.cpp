// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Where each kind of piece is previewed on the board, and where it cannot be.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "rules/rules_support.h"
#include "support/board_art.h"

namespace quazzle::testing {
namespace {

// Every footprint fits at this anchor, well away from cell 0.
constexpr int kMiddle = 33;

// What the preview marks at `anchor` on `board`: the whole footprint where every cell of it is
// empty, else nothing.
std::set<int> marksOn(const Board& board, const KindSpec& kind, int anchor) {
    const auto cells = coveredCells(kind, anchor);
    if (!cells) return {};
    for (int i : *cells)
        if (board[i].backColor != kEmptyCell) return {};
    return *cells;
}

// Placed pieces and both flashes count as occupied.
std::vector<Colour> blockingColours() {
    std::vector<Colour> colours = kPaletteColours;
    colours.push_back(kMagentaFlash);
    colours.push_back(kWhiteFlash);
    return colours;
}

class FootprintTest : public ::testing::TestWithParam<KindSpec> {
  protected:
    Session s;
    void SetUp() override { s.st().thePiece = GetParam().name; }

    // Every cell that is not black must still be empty.
    void expectOnlyMarks(const std::set<int>& marks, int anchor) {
        EXPECT_EQ(blackCells(s.board()), marks) << "anchor " << anchor;
        for (int i = 0; i < kCellCount; ++i)
            if (!marks.contains(i)) {
                ASSERT_EQ(s.board()[i].backColor, kEmptyCell) << i;
            }
    }
};

// Sweeping anchor after anchor also checks that each move wipes the marks of the one before.
TEST_P(FootprintTest, EmptyBoardSweepMarksExactlyTheFittingFootprints) {
    int fitting = 0;
    for (int anchor = 0; anchor < kCellCount; ++anchor) {
        s.hover(anchor);
        const auto expected = coveredCells(GetParam(), anchor);
        fitting += expected.has_value();
        expectOnlyMarks(expected.value_or(std::set<int>{}), anchor);
    }
    EXPECT_GT(fitting, 0);
}

TEST_P(FootprintTest, MovingToAnAnchorWhereItDoesNotFitLeavesNoMarks) {
    ASSERT_TRUE(coveredCells(GetParam(), kMiddle));
    for (int anchor = 0; anchor < kCellCount; ++anchor) {
        if (coveredCells(GetParam(), anchor)) continue;
        s.hover(kMiddle);
        ASSERT_FALSE(blackCells(s.board()).empty());
        s.hover(anchor);
        EXPECT_TRUE(blackCells(s.board()).empty()) << "anchor " << anchor;
    }
}

TEST_P(FootprintTest, OneOccupiedCellAnywhereInTheFootprintBlocksAllOfIt) {
    const std::vector<Colour> occupants = blockingColours();
    const std::set<int> footprint = *coveredCells(GetParam(), kMiddle);
    int n = 0;
    for (int blocked : footprint) {
        Session t;
        const Colour occupant = occupants[n++ % occupants.size()];
        // A mark left over from the piece held before.
        t.st().thePiece = "DOT";
        t.hover(0);
        ASSERT_EQ(blackCells(t.board()), std::set<int>{0});

        t.st().thePiece = GetParam().name;
        t.board()[blocked].backColor = occupant;
        t.hover(kMiddle);
        EXPECT_TRUE(blackCells(t.board()).empty()) << "blocked at " << blocked;
        EXPECT_EQ(t.board()[blocked].backColor, occupant);
        for (int i = 0; i < kCellCount; ++i)
            if (i != blocked) {
                ASSERT_EQ(t.board()[i].backColor, kEmptyCell) << i;
            }
    }
}

// Half-filled boards: the preview is all or nothing, and placed cells never change.
TEST_P(FootprintTest, RandomBoardsMarkOnlyFootprintsThatLieOnEmptyCells) {
    std::mt19937 gen(1234);
    const std::vector<Colour> occupants = blockingColours();
    for (int round = 0; round < 12; ++round) {
        Session t;
        t.st().thePiece = GetParam().name;
        std::uniform_int_distribution<int> pick(0, int(occupants.size()) * 3 - 1);
        Board before = t.board();
        for (Cell& cell : before) {
            const int p = pick(gen);
            if (p < int(occupants.size())) cell.backColor = occupants[p];
        }
        t.board() = before;
        for (int anchor = 0; anchor < kCellCount; ++anchor) {
            t.hover(anchor);
            const std::set<int> expected = marksOn(before, GetParam(), anchor);
            ASSERT_EQ(blackCells(t.board()), expected) << "round " << round << " anchor " << anchor;
            for (int i = 0; i < kCellCount; ++i)
                if (!expected.contains(i)) {
                    ASSERT_EQ(t.board()[i].backColor, before[i].backColor) << i;
                }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, FootprintTest, ::testing::ValuesIn(kinds()),
                         [](const auto& info) { return testName(info.param.name); });

// Only the pointer rim step applies to a name that is not a kind.
class UnknownPieceTest : public ::testing::TestWithParam<std::string> {};

TEST_P(UnknownPieceTest, MoveInsideACellChangesNothing) {
    Session s;
    art::paint(s.board(),
               "r r r . . . . . . ."
               ". # # . . . . . . ."
               ". # # . . . . . . ."
               ". . . . . . . . . ."
               ". . . . . * . . . ."
               ". . . . . . . . . ."
               ". . . . . . . . b ."
               ". . . . . . . . . ."
               ". . . . . . . . . ."
               ". . . . . . . . . !");
    s.board()[44].picture = Picture::Cherry;
    s.st().thePiece = GetParam();
    const Board before = s.board();

    s.hover(44);
    s.hover(11);
    EXPECT_EQ(art::draw(s.board()), art::draw(before));
    EXPECT_EQ(s.board()[44].picture, Picture::Cherry);

    s.game.picCell_MouseMove(44, 0, 0, 5, 200);
    EXPECT_TRUE(blackCells(s.board()).empty());
    EXPECT_EQ(s.board()[44].picture, Picture::None);
    EXPECT_EQ(s.board()[0].backColor, kPaletteColours[0]);
}

INSTANTIATE_TEST_SUITE_P(Names, UnknownPieceTest,
                         ::testing::Values("CHERRY", "", "l-r", "DOT ", "THREExTHREEx", "H"),
                         [](const auto& info) {
                             std::string name = testName(info.param);
                             for (char& c : name)
                                 if (c == ' ') c = '_';
                             return name + "_" + std::to_string(info.index);
                         });

}  // namespace
}  // namespace quazzle::testing
