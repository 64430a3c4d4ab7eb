// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Wiping hover marks and switching the board's pointer on and off.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <tuple>

#include "rules/rules_support.h"
#include "support/board_art.h"

namespace quazzle::testing {
namespace {

struct BoardCase {
    const char* name;
    const char* art;
};

void PrintTo(const BoardCase& c, std::ostream* os) { *os << c.name; }

const BoardCase kBoards[] = {
    {"NoMarks",
     "r t a g b p * ! . ."
     ". . . . . . . . . ."
     "r r r r r r r r r r"
     ". . . . . . . . . ."
     "t . . . . . . . . ."
     "t . . . . . . . . ."
     "t . . . . . . . . ."
     "t . . . . . . . . ."
     "t . . . . . . . . ."
     "t . . . . . . . . ."},
    {"AllMarks",
     "# # # # # # # # # #"
     "# # # # # # # # # #"
     "# # # # # # # # # #"
     "# # # # # # # # # #"
     "# # # # # # # # # #"
     "# # # # # # # # # #"
     "# # # # # # # # # #"
     "# # # # # # # # # #"
     "# # # # # # # # # #"
     "# # # # # # # # # #"},
    {"MarksAmongPiecesAndFlashes",
     "# . . . . . . . . #"
     ". r r . . . . . . ."
     ". r # # . . * * . ."
     ". . # # . . ! ! . ."
     ". . . . . . . . . ."
     ". . . . b b b b # ."
     ". . . . . . . . . ."
     ". . . g . . . . . ."
     ". . . g a a a . . ."
     "# . . . . . . . . #"},
    {"FullBoard",
     "r t a g b p * ! # r"
     "t a g b p * ! # r t"
     "a g b p * ! # r t a"
     "g b p * ! # r t a g"
     "b p * ! # r t a g b"
     "p * ! # r t a g b p"
     "* ! # r t a g b p *"
     "! # r t a g b p * !"
     "# r t a g b p * ! #"
     "r t a g b p * ! # r"},
};

std::string unmarked(const char* art) {
    std::string out = art::normalise(art);
    for (char& c : out)
        if (c == '#') c = '.';
    return out;
}

struct Wipe {
    const char* name;
    std::function<void(Game&)> run;
    bool clearsStrayPictures;
};

void PrintTo(const Wipe& w, std::ostream* os) { *os << w.name; }

const Wipe kWipes[] = {
    {"DoEr", [](Game& g) { g.DoEr(); }, false},
    {"Background", [](Game& g) { g.backgroundMoved(); }, false},
    {"ClearTheCells", [](Game& g) { g.ClearTheCells(); }, true},
};

class WipeTest : public ::testing::TestWithParam<std::tuple<Wipe, BoardCase>> {};

TEST_P(WipeTest, MarksTurnEmptyAndEverythingElseStays) {
    const auto& [wipe, board] = GetParam();
    Session s;
    art::paint(s.board(), board.art);
    s.board()[0].picture = Picture::Cherry;
    s.board()[0].tag = "CHERRY";
    s.board()[55].picture = Picture::Cherry;
    s.board()[63].enabled = false;

    wipe.run(s.game);

    EXPECT_EQ(art::draw(s.board()), unmarked(board.art));
    EXPECT_EQ(s.board()[0].picture, Picture::Cherry);
    EXPECT_EQ(s.board()[0].tag, "CHERRY");
    EXPECT_EQ(s.board()[55].picture, wipe.clearsStrayPictures ? Picture::None : Picture::Cherry);
    EXPECT_EQ(s.board()[55].tag, "");
    EXPECT_FALSE(s.board()[63].enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, WipeTest, ::testing::Combine(::testing::ValuesIn(kWipes), ::testing::ValuesIn(kBoards)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

struct AblementCase {
    std::int16_t value;
    bool enabled;
};

void PrintTo(const AblementCase& c, std::ostream* os) { *os << c.value; }

class BoardAblementTest : public ::testing::TestWithParam<AblementCase> {};

TEST_P(BoardAblementTest, SwitchesEveryCell) {
    Session s;
    for (int i = 0; i < kCellCount; ++i) s.board()[i].enabled = i % 3 == 0;
    s.game.BoardAblement(GetParam().value);
    for (int i = 0; i < kCellCount; ++i) EXPECT_EQ(s.board()[i].enabled, GetParam().enabled) << i;
}

INSTANTIATE_TEST_SUITE_P(Values, BoardAblementTest,
                         ::testing::Values(AblementCase{-1, true}, AblementCase{0, false},
                                           AblementCase{1, false}, AblementCase{-2, false},
                                           AblementCase{32767, false},
                                           AblementCase{-32768, false}));

// A disabled board ignores the player's pointer, but the demo still drives the cells itself.
TEST(BoardAblement, DisabledCellsIgnoreThePlayerOnly) {
    Session s;
    s.st().thePiece = "DOT";
    s.game.BoardAblement(0);
    s.game.pointerMoved(33, 200, 200);
    EXPECT_TRUE(blackCells(s.board()).empty());
    s.hover(33);
    EXPECT_EQ(blackCells(s.board()), std::set<int>{33});

    s.game.BoardAblement(-1);
    s.game.pointerMoved(66, 200, 200);
    EXPECT_EQ(blackCells(s.board()), std::set<int>{66});
}

}  // namespace
}  // namespace quazzle::testing
