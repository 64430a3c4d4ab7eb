// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// A real game lost to the hourglass: the end sounds, the sweep, the prompt and its answers.
#include <gtest/gtest.h>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

constexpr double kRunsOut = 688 * kTick;  // from an empty hourglass

TEST(GameOverScenario, EndSoundsSweepAndOnePromptWhileTicksGoOn) {
    Scenario s;
    s.start();
    s.paint(
        "rrrr.ttttt .......... ....a..... .......... .........."
        ".......... ......##.. .......... .......... rrrrrrrrr.");
    s.sim.promptSeconds = 4;

    std::vector<int> swept;
    bool ended = false;
    s.sim.onEffect = [&](std::string_view name) { ended = ended || name == "theQuazzle"; };
    s.sim.onCell = [&](int i) {
        if (ended && s.cell(i).backColor == colour::kClearFlash) swept.push_back(i);
    };
    std::string boardAtPrompt;
    bool markedAtPrompt = true;
    int ticksAtEnd = -1;
    int fullTicks = 0;
    s.sim.afterEvent = [&] {
        if (ended && ticksAtEnd < 0) ticksAtEnd = s.sim.ticks[0];
        if (s.state().hourglassFill >= layout::kHourglassFull)
            fullTicks = s.sim.ticks[0] - ticksAtEnd;
        if (s.sim.prompts == 1 && boardAtPrompt.empty()) {
            boardAtPrompt = s.board();
            markedAtPrompt = std::ranges::any_of(s.state().picCell, [](const Cell& c) {
                return !c.tag.empty() || c.picture != Picture::None;
            });
        }
    };
    s.sim.runFor(kRunsOut + 1.5 + 4 + 0.1);

    ASSERT_EQ(s.effectTimes("theQuazzle"), std::vector<double>{kRunsOut});
    ASSERT_EQ(s.effectTimes("theOver").size(), 1u);
    EXPECT_NEAR(s.effectTimes("theOver")[0] - kRunsOut, 1.3, 1e-9);
    ASSERT_EQ(swept.size(), 100u);
    for (int i = 0; i < kCellCount; ++i) EXPECT_EQ(swept[i], i);
    EXPECT_EQ(boardAtPrompt, emptyBoard());
    EXPECT_FALSE(markedAtPrompt) << "the cherry put down at 5 s is swept away";
    EXPECT_EQ(s.sim.prompts, 1);
    EXPECT_GE(fullTicks, (1.3 + 0.2 + 4) * 64 - 2)
        << "ticks kept coming while the glass stood full";
}

TEST(GameOverScenario, YesStartsAFreshGameKeepingTheBestScore) {
    Scenario s;
    s.start();
    for (int i : {0, 1, 2}) s.place("DOT", kRed, i);
    s.st().theLevel = 3;
    s.st().theXP = 2;
    s.st().Bombs = 2;
    s.st().bombSolid = {true, true, false};
    s.sim.promptSeconds = 40;  // past the 30 s mark, where a bomb would have been earned

    std::vector<double> bombTimerArmed;
    s.sim.onArm = [&](TimerId id, int ms) {
        if (id == TimerId::Timer3 && ms > 0) bombTimerArmed.push_back(s.sim.now());
    };
    int bombsInPrompt = -1;
    s.sim.afterEvent = [&] {
        if (s.sim.prompts == 1 && s.state().Score == 3) bombsInPrompt = s.state().Bombs;
    };
    s.sim.runFor(kRunsOut + 1.5 + 40 + 0.1);

    ASSERT_EQ(s.sim.prompts, 1);
    ASSERT_EQ(bombTimerArmed.size(), 1u);
    EXPECT_EQ(bombsInPrompt, 2) << "held bombs stay until the new game";
    EXPECT_TRUE(s.playTimes(Player::Bomb).empty()) << "no bomb is earned after the game ended";

    const GameState& st = s.state();
    EXPECT_EQ(st.Score, 0);
    EXPECT_EQ(st.TopScore, 3);
    EXPECT_EQ(st.lblScore, "0   3");
    EXPECT_EQ(st.theLevel, 1);
    EXPECT_EQ(st.theXP, 0);
    EXPECT_EQ(st.lblMyLevel[0], "1");
    EXPECT_EQ(st.Bombs, 0);
    EXPECT_TRUE(s.solidBombs(0));
    EXPECT_EQ(s.board(), emptyBoard());

    // The new game counts its own time from the answer.
    const double restarted = bombTimerArmed[0];
    s.sim.runFor(kRunsOut);
    ASSERT_EQ(s.effectTimes("theQuazzle").size(), 2u);
    EXPECT_NEAR(s.effectTimes("theQuazzle")[1] - restarted, kRunsOut, kTick);
}

TEST(GameOverScenario, NoEndsTheProgramAndNothingHappensAfter) {
    Scenario s;
    s.sim.answers = {false};
    s.start();
    s.sim.runFor(kRunsOut + 2);
    ASSERT_TRUE(s.sim.ended);
    EXPECT_EQ(s.sim.prompts, 1);

    const auto effects = s.sim.effects.size();
    const auto plays = s.sim.playerPlays.size();
    const auto ticks = s.sim.ticks;
    s.st().Bombs = 1;
    s.game.keyReleased(kSpaceKey);
    s.game.startPressed();
    s.sim.runFor(60);
    EXPECT_EQ(s.sim.effects.size(), effects);
    EXPECT_EQ(s.sim.playerPlays.size(), plays);
    EXPECT_EQ(s.sim.ticks, ticks);
    EXPECT_EQ(s.sim.prompts, 1);
}

}  // namespace
}  // namespace quazzle::scenario
