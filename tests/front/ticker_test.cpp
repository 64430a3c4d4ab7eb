// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// A timer that wakes only when its planner asks, and still runs every tick in order.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "front/ticker.h"

namespace quazzle {
namespace {

constexpr std::int64_t kPeriod = GridSchedule::kPeriodNs;

struct Fixture {
    std::int64_t now = 0;
    std::vector<std::int64_t> wakes;  // every wake asked for, kNever for none
    std::vector<std::int64_t> ticks;  // the clock at each tick
    std::function<void()> duringTick;
    Ticker ticker{[this] { return now; },
                  [this] {
                      ticks.push_back(now);
                      if (duringTick) duringTick();
                  },
                  [this](std::int64_t at) { wakes.push_back(at); }};
};

TEST(Ticker, WakesForTheTickThePlannerAsksForAndRunsTheOnesBeforeIt) {
    Fixture f;
    f.ticker.setPlanner([] { return 3; });
    f.ticker.arm(1, true);
    ASSERT_EQ(f.wakes, std::vector<std::int64_t>{3 * kPeriod});
    f.now = 3 * kPeriod + 5;  // the wake comes, a little late
    f.ticker.catchUp();
    EXPECT_EQ(f.ticks.size(), 3u);
    EXPECT_EQ(f.wakes.back(), 6 * kPeriod) << "the grid does not move with a late wake";
    // A planner with nothing to show lets the timer sleep; its ticks still run when asked.
    f.ticker.setPlanner([] { return 0; });
    f.ticker.replan();
    EXPECT_EQ(f.wakes.back(), GridSchedule::kNever);
    f.now = 10 * kPeriod;
    while (f.ticker.runOneDue()) {
    }
    EXPECT_EQ(f.ticks.size(), 10u);
}

TEST(Ticker, ATickThatWaitsOrReArmsPlansTheNextWakeItself) {
    Fixture f;
    f.ticker.arm(1, true);
    f.now = 4 * kPeriod;
    // The second tick re-arms its own timer: the two ticks left from the old count never run.
    f.duringTick = [&] {
        if (f.ticks.size() == 2) f.ticker.arm(1, true);
    };
    f.ticker.catchUp();
    EXPECT_EQ(f.ticks.size(), 2u);
    EXPECT_EQ(f.wakes.back(), 5 * kPeriod);
    // A wake planned inside a tick is asked for even when it is the one that has just come.
    Fixture g;
    g.ticker.setPlanner([&] { return 2 - std::int64_t(g.ticks.size()); });
    g.ticker.arm(1, true);
    g.now = 2 * kPeriod;
    g.duringTick = [&] {
        if (g.ticks.size() == 1) g.ticker.replan();
    };
    g.wakes.clear();
    g.ticker.catchUp();
    EXPECT_EQ(g.wakes.at(1), 2 * kPeriod) << "the wake planned during the tick was dropped";
}

}  // namespace
}  // namespace quazzle
