// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Finding complete one-colour lines after a placement, clearing them and paying for them.
#include <gtest/gtest.h>

#include <set>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

TEST(LineClearScenario, RowAndColumnCompletedTogetherClearOnlyTheRow) {
    Scenario s;
    s.start();
    s.paint(
        ".....r.... .....r.... .....r.... rrrrr.rrrr .....r...."
        ".....r.... .....r.... .....r.... .....r.... .....r....");
    s.place("DOT", kRed, 35);

    EXPECT_EQ(s.board(), art::normalise(".....r.... .....r.... .....r.... .......... .....r...."
                                        ".....r.... .....r.... .....r.... .....r.... .....r...."));
    EXPECT_EQ(s.effects("theScore"), 1);
    EXPECT_EQ(s.state().theXP, 1);
    EXPECT_EQ(s.state().Score, 11);
}

TEST(LineClearScenario, TwoRowsClearTopFirstEachAsItsOwnLine) {
    Scenario s;
    s.start();
    s.paint(".......... .......... tttt.ttttt tttt.ttttt");
    std::vector<int> flashed;
    s.sim.onCell = [&](int i) {
        if (s.cell(i).backColor == colour::kClearFlash) flashed.push_back(i);
    };
    s.place("V-D", kTeal, 24);

    std::vector<int> expected;
    for (int i = 20; i < 40; ++i) expected.push_back(i);
    EXPECT_EQ(flashed, expected);
    EXPECT_EQ(s.board(), emptyBoard());
    EXPECT_EQ(s.effects("theScore"), 2);
    EXPECT_EQ(s.state().theXP, 2);
    EXPECT_EQ(s.state().Score, 21);
    EXPECT_EQ(s.state().picXP.filled, layout::kXpBar.width * 2 / 5);
}

TEST(LineClearScenario, FullRowOfTwoColoursStaysAndPaysNothing) {
    Scenario s;
    s.start();
    s.paint(std::string(50, '.') + "rrrrrrrrr.");
    s.place("DOT", kTeal, 59);

    EXPECT_EQ(s.board(), art::normalise(".......... .......... .......... .......... .........."
                                        "rrrrrrrrrt .......... .......... .......... .........."));
    EXPECT_EQ(s.effects("theScore"), 0);
    EXPECT_EQ(s.state().Score, 1);
    EXPECT_EQ(s.state().theXP, 0);
}

// The best score is never below the score, not even for the moment of a cherry's bonus.
TEST(LineClearScenario, TopScoreFollowsScoreCellByCell) {
    Scenario s;
    s.start();
    s.st().TopScore = 5;
    s.paint(std::string(70, '.') + "rrrrrrrrr.");
    s.st().picCell[74].tag = kCherryTag;
    s.st().picCell[74].picture = Picture::Cherry;

    std::set<int> seen;
    bool behind = false;
    s.sim.afterEvent = [&] {
        const GameState& st = s.state();
        seen.insert(st.Score);
        if (st.TopScore != std::max(5, st.Score)) behind = true;
        if (st.lblScore != std::to_string(st.Score) + "   " + std::to_string(st.TopScore))
            behind = true;
    };
    s.place("DOT", kRed, 79);

    EXPECT_FALSE(behind);
    EXPECT_EQ(s.state().Score, 1 + 10 + 5);
    EXPECT_EQ(s.state().TopScore, 16);
    // Every cell of the line shows its point before the next one flashes.
    for (int score : {2, 3, 4, 10, 11, 12, 15}) EXPECT_TRUE(seen.contains(score)) << score;
}

TEST(LineClearScenario, CherryRowAtLevelThreePaysThirtyFiveAndRearmsTheCherry) {
    Scenario s(11);
    s.start();
    s.st().theLevel = 3;
    s.queue({drawFor(44, 99)});
    s.sim.runFor(5.01);
    ASSERT_EQ(s.cherryCell(), 44);
    ASSERT_EQ(s.state().timers[1].interval, 0);

    s.paint(std::string(40, '.') + "aaaa.aaaaa");
    s.place("DOT", colour::kPalette[2], 44);

    EXPECT_EQ(s.state().Score, 1 + 35);
    EXPECT_EQ(s.cherryCell(), -1);
    EXPECT_EQ(s.cell(44).picture, Picture::None);
    EXPECT_GE(s.state().timers[1].interval, 15000);
    EXPECT_LE(s.state().timers[1].interval, 30000);
}

}  // namespace
}  // namespace quazzle::scenario
