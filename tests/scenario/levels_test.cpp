// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Experience from cleared lines, and the level rising in the middle of play.
#include <gtest/gtest.h>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

// The line that completes the fifth point is paid at the old level, the next at the new one.
TEST(LevelsScenario, ThreeRowsAcrossALevelRisePayTenTenTwenty) {
    Scenario s;
    s.start();
    s.st().theXP = 3;
    s.paint(".rrrrrrrrr .rrrrrrrrr .rrrrrrrrr .......... ..........");
    std::vector<int> scoreAtLine;
    s.sim.onEffect = [&](std::string_view name) {
        if (name == "theScore") scoreAtLine.push_back(s.state().Score);
    };
    s.place("V-B", kRed, 0);

    EXPECT_EQ(scoreAtLine, (std::vector<int>{1, 11, 21}));
    EXPECT_EQ(s.state().Score, 41);
    EXPECT_EQ(s.state().theLevel, 2);
    EXPECT_EQ(s.state().theXP, 1);
    EXPECT_EQ(s.state().lblMyLevel, (std::array<std::string, 4>{"2", "2", "2", "2"}));
    EXPECT_EQ(s.state().picXP.filled, layout::kXpBar.width / 5);
    EXPECT_EQ(s.playTimes(Player::Levelup).size(), 1u);
    EXPECT_EQ(s.board(), art::normalise(std::string(30, '.') + "r" + std::string(69, '.')));
}

// A rise switches the hourglass and cherry timers off and on: the cherry countdown starts
// again in full, while the hourglass keeps its fill.
TEST(LevelsScenario, RiseRestartsThePendingCherryCountdown) {
    Scenario s;
    s.start();
    s.st().theXP = 4;
    double risen = 0;
    double fill = 0;
    s.sim.at(3, [&] {
        s.paint("rrrrrrrrr.");
        s.place("DOT", kRed, 9);
        risen = s.sim.now();
        fill = s.state().hourglassFill;
    });
    s.sim.runFor(7.9);
    ASSERT_EQ(s.state().theLevel, 2);
    EXPECT_GT(fill, 0) << "the rise does not empty the hourglass";
    EXPECT_EQ(s.cherryCell(), -1) << "the first countdown would have ended at 5 s";

    s.sim.runFor(0.4);
    ASSERT_EQ(s.playTimes(Player::Cherry).size(), 1u);
    EXPECT_NEAR(s.playTimes(Player::Cherry)[0], risen + 5, kTick);
}

}  // namespace
}  // namespace quazzle::scenario
