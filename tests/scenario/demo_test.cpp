// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The demo: start-up, the sweep, its own game over, and the start button ending it.
#include <gtest/gtest.h>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

// Every piece a red dot: kind draws of 0.625 (the dot, 8 of 12) and colour draws of 0 (red at
// any level). Rows then clear every ten placements and the level rises every five rows, always
// within the 5 s of the cherry countdown it restarts, so no cherry takes a draw out of turn.
void dealRedDots(Scenario& s) {
    for (int k = 0; k < 600; ++k) s.queue({0.625f, 0.0f});
}

TEST(DemoScenario, StartUpPreparesTheDemo) {
    Scenario s;
    GameState first;
    s.sim.at(0, [&] {
        first = s.state();
        s.sim.halt();
    });
    s.game.load();

    EXPECT_TRUE(s.sim.shown);
    EXPECT_TRUE(first.isDemo);
    EXPECT_EQ(first.theLevel, 2);
    EXPECT_EQ(first.lblMyLevel, (std::array<std::string, 4>{"2", "2", "2", "2"}));
    EXPECT_EQ(first.theXP, 0);
    EXPECT_EQ(first.Bombs, 0);
    EXPECT_EQ(first.lblScore, "0   0");
    EXPECT_TRUE(first.startButtonVisible);
    EXPECT_TRUE(std::ranges::none_of(first.picCell, &Cell::enabled));
    EXPECT_FALSE(first.thePiece.empty());
    EXPECT_TRUE(first.Tag == "255" || first.Tag == "10925378") << first.Tag;
    EXPECT_EQ(first.timers[0].interval, 1);
    EXPECT_EQ(first.timers[1].interval, 5000);
    EXPECT_EQ(first.timers[2].interval, 30000);
    EXPECT_EQ(s.sim.bound, (std::array<std::string, kPlayerCount>{"theBomb", "theCherry",
                                                                  "theExplosion", "theLevelup"}));
}

// The bomb timer runs from start-up, and the demo spends a bomb at its next click.
TEST(DemoScenario, EarnsBombsFromStartUpAndSpendsThem) {
    Scenario s;
    dealRedDots(s);
    s.sim.at(30.5, [&] { s.sim.halt(); });
    s.game.load();

    const std::vector<double> earned = s.playTimes(Player::Bomb);
    ASSERT_EQ(earned.size(), 2u) << "primed at start-up, then one earned";
    EXPECT_EQ(earned[1], 30);
    const std::vector<double> spent = s.playTimes(Player::Explode);
    ASSERT_EQ(spent.size(), 2u);
    EXPECT_LT(spent[1] - 30, 0.3);
    EXPECT_EQ(s.state().Bombs, 0);
}

TEST(DemoScenario, SweepsTheBoardCellByCellAtLeastSevenSecondsASweep) {
    Scenario s;
    dealRedDots(s);
    struct Placed {
        double time;
        int cell;
        int score;
    };
    std::vector<Placed> placed;
    std::array<Colour, kCellCount> was;
    was.fill(colour::kEmpty);
    s.sim.onCell = [&](int i) {
        // Only a placement turns a hover mark into a piece colour.
        if (isHoverMark(was[i]) && isOccupied(s.cell(i).backColor))
            placed.push_back({s.sim.now(), i, 0});
        was[i] = s.cell(i).backColor;
    };
    s.sim.onEffect = [&](std::string_view name) {
        if (name == "thePlace") placed.back().score = s.state().Score;
    };
    // The player's pointer cannot reach the board while the demo holds it.
    s.sim.at(0.3, [&] { s.place(55); });
    s.sim.at(12, [&] { s.sim.halt(); });
    s.game.load();

    ASSERT_GT(placed.size(), 100u);
    for (int c = 0; c < kCellCount; ++c) ASSERT_EQ(placed[c].cell, c);
    EXPECT_EQ(placed[100].cell, 0);
    for (int k = 0; k < 100; ++k) EXPECT_GE(placed[k + 1].time - placed[k].time, 0.07 - 1e-9);
    EXPECT_GE(placed[100].time - placed[0].time, 7);
    // A hundred placements and ten rows, five at level 2 and five at level 3. Each rise
    // restarts the cherry countdown, so no cherry comes.
    EXPECT_EQ(placed[100].score, 100 + 5 * 20 + 5 * 30 + 1);
    EXPECT_EQ(s.state().theLevel, 4);
    EXPECT_EQ(s.playTimes(Player::Levelup).size(), 1u + 2);  // primed at start-up, then twice
    EXPECT_EQ(s.playTimes(Player::Cherry).size(), 1u);       // primed at start-up only
}

TEST(DemoScenario, ItsGameOverRestartsInPlaceWithoutAPrompt) {
    Scenario s(3);
    std::string full;
    for (int i = 0; i < kCellCount; ++i) full += (rowOf(i) + columnOf(i)) % 2 ? 't' : 'r';
    // Nothing fits on a full board without a line; the second paint covers what a line
    // clearing at the first left empty.
    for (double t : {3.0, 4.0}) s.sim.at(t, [&] { s.paint(full); });

    double over = -1;
    int topScore = -1;
    s.sim.onEffect = [&](std::string_view name) {
        if (name != "theQuazzle" || over >= 0) return;
        over = s.sim.now();
        topScore = s.state().TopScore;
        s.st().Bombs = 2;
        s.st().bombSolid = {true, true, false};
    };
    GameState reset;
    double resetAt = -1;
    s.sim.afterEvent = [&] {
        if (over < 0 || resetAt >= 0 || s.state().Score != 0) return;
        reset = s.state();
        resetAt = s.sim.now();
    };
    s.sim.at(20, [&] { s.sim.halt(); });
    s.game.load();

    ASSERT_GT(over, 0);
    ASSERT_GT(resetAt, 0);
    EXPECT_EQ(s.sim.prompts, 0);
    EXPECT_NEAR(s.effectTimes("theOver")[0] - over, 1.3, 1e-9);
    EXPECT_GE(resetAt - over, 1.3 + 0.2 + 1 - 1e-9);
    EXPECT_TRUE(reset.isDemo);
    EXPECT_EQ(reset.theLevel, 1);
    EXPECT_EQ(reset.lblMyLevel[3], "1");
    EXPECT_EQ(reset.theXP, 0);
    EXPECT_EQ(reset.picXP.filled, 0);
    EXPECT_GT(topScore, 0);
    EXPECT_EQ(reset.TopScore, topScore);
    EXPECT_EQ(reset.Bombs, 2);
    EXPECT_EQ(reset.bombSolid, (std::array<bool, 3>{true, true, false}));
    EXPECT_EQ(reset.hourglassFill, 0);
    EXPECT_EQ(reset.timers[0].interval, 1);
    EXPECT_EQ(reset.timers[1].interval, 5000);
    EXPECT_EQ(reset.timers[2].interval, 30000);

    // The demo plays on, and spends the bombs it kept at its next clicks.
    EXPECT_GT(s.state().Score, 0);
    EXPECT_EQ(s.state().Bombs, 0);
    EXPECT_EQ(
        std::ranges::count_if(s.playTimes(Player::Explode), [&](double t) { return t > over; }), 2);
}

// No step of the abandoned demo, nor the rest of its clearing, acts once the real game begins.
TEST(DemoScenario, StartPressedMidClearLeavesAFreshGame) {
    Scenario s;
    dealRedDots(s);
    double pressed = -1;
    std::string boardAtPress;
    int placesAtPress = 0;
    int topScore = 0;
    s.sim.onEffect = [&](std::string_view name) {
        if (name != "theScore" || pressed >= 0) return;
        s.sim.after(0.05, [&] {
            s.game.startPressed();
            pressed = s.sim.now();
            boardAtPress = s.board();
            placesAtPress = s.effects("thePlace");
            topScore = s.state().TopScore;
        });
    };
    int painted = 0;
    s.sim.onCell = [&](int i) { painted += pressed >= 0 && !isEmpty(s.cell(i).backColor); };
    s.sim.at(60, [&] { s.sim.halt(); });
    s.game.load();
    ASSERT_GT(pressed, 0);
    s.sim.runFor(10);

    EXPECT_EQ(boardAtPress, emptyBoard());
    EXPECT_EQ(painted, 0);
    EXPECT_EQ(s.effects("thePlace"), placesAtPress);
    EXPECT_EQ(s.effects("theScore"), 1);
    EXPECT_EQ(s.effects("theQuazzle"), 0);
    const GameState& st = s.state();
    EXPECT_FALSE(st.isDemo);
    EXPECT_FALSE(st.startButtonVisible);
    EXPECT_TRUE(std::ranges::all_of(st.picCell, &Cell::enabled));
    EXPECT_EQ(st.Score, 0);
    EXPECT_EQ(st.TopScore, topScore);
    EXPECT_GE(topScore, 10) << "the demo's placements still count for the best score";
    EXPECT_EQ(st.theXP, 0);
    EXPECT_EQ(st.theLevel, 1);
    EXPECT_EQ(s.cherryCell(), 62) << "the new game's own cherry, at 5 s, from a draw of 0.625";
}

}  // namespace
}  // namespace quazzle::scenario
