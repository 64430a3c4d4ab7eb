// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Waiting while the window keeps handling events.
#include <gtest/gtest.h>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

TEST(PauseScenario, ZeroOrLessReturnsAtOnceHandlingNothing) {
    Scenario s;
    s.start();
    bool handled = false;
    s.sim.at(0, [&] { handled = true; });
    s.game.Pause(0);
    s.game.Pause(-1);
    EXPECT_FALSE(handled);
    EXPECT_EQ(s.sim.now(), 0);
}

TEST(PauseScenario, TicksFallingDueAreHandledBeforeItReturns) {
    Scenario s;
    s.start();
    s.game.Pause(0.1);
    EXPECT_GE(s.sim.now(), 0.1);
    EXPECT_EQ(s.sim.ticks[0], 6) << "ticks at 1/64 to 6/64 s";
    EXPECT_EQ(s.state().hourglassFill, 6 * 7);

    const double begun = s.sim.now();
    s.game.Pause(0.02);
    EXPECT_GE(s.sim.now() - begun, 0.02);
}

TEST(PauseScenario, NestedWaitsReturnInnermostFirst) {
    Scenario s;
    s.start();
    std::vector<std::string> order;
    s.sim.at(0.01, [&] {
        order.emplace_back("inner waits");
        s.game.Pause(0.05);
        order.emplace_back("inner returns");
    });
    s.game.Pause(0.02);
    order.emplace_back("outer returns");

    EXPECT_EQ(order, (std::vector<std::string>{"inner waits", "inner returns", "outer returns"}));
    EXPECT_GE(s.sim.now(), 0.06);
}

TEST(PauseScenario, EndingTheProgramMidWaitStopsTheWaitingRoutine) {
    Scenario s;
    s.start();
    s.st().Bombs = 1;
    int flashes = 0;
    s.sim.onCell = [&](int i) { flashes += s.cell(i).backColor == colour::kBombFlash; };
    s.sim.at(0.15, [&] { s.sim.halt(); });
    s.game.keyReleased(kSpaceKey);  // centre at once, a neighbour 0.1 s later, the rest never

    EXPECT_EQ(flashes, 2);
    EXPECT_EQ(std::ranges::count(s.state().picCell, colour::kBombFlash, &Cell::backColor), 1);
    EXPECT_EQ(s.state().timers[0].interval, 0) << "the blast never reached its end";
}

}  // namespace
}  // namespace quazzle::scenario
