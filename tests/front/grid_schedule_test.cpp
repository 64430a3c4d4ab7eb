// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The timers' 1/64 s grid, which every front end's timers tick on.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "front/grid_schedule.h"

namespace quazzle {
namespace {

constexpr std::int64_t kPeriod = GridSchedule::kPeriodNs;

TEST(GridSchedule, IntervalsRoundUpToWholePeriodsOnAGridThatDoesNotDrift) {
    struct Case {
        int ms;
        std::int64_t period;
    };
    for (const Case c : {Case{1, kPeriod}, Case{15, kPeriod}, Case{16, 2 * kPeriod},
                         Case{5000, 320 * kPeriod}, Case{30000, 1920 * kPeriod}}) {
        GridSchedule t;
        t.arm(c.ms, true, 1000);
        EXPECT_EQ(t.nextDueNs(), 1000 + c.period) << c.ms;
        // Taken late, a tick leaves the later ones where the grid has them.
        EXPECT_TRUE(t.takeDue(1000 + c.period * 3 / 2));
        EXPECT_EQ(t.nextDueNs(), 1000 + 2 * c.period) << c.ms;
        EXPECT_EQ(t.dueNs(5), 1000 + 6 * c.period) << c.ms;
    }
}

TEST(GridSchedule, TicksThatFellDueAreTakenOneAtATimeInOrder) {
    GridSchedule t;
    t.arm(1, true, 0);
    EXPECT_FALSE(t.takeDue(kPeriod - 1));
    int taken = 0;
    while (t.takeDue(10 * kPeriod)) ++taken;
    EXPECT_EQ(taken, 10);
    EXPECT_EQ(t.nextDueNs(), 11 * kPeriod);
}

TEST(GridSchedule, StoppedDisabledOrReArmed) {
    GridSchedule t;
    EXPECT_EQ(t.nextDueNs(), GridSchedule::kNever);
    t.arm(0, true, 0);
    EXPECT_FALSE(t.running());
    t.arm(100, false, 0);
    EXPECT_FALSE(t.takeDue(GridSchedule::kNever - 1));
    EXPECT_EQ(t.dueNs(3), GridSchedule::kNever);
    // Arming starts the count afresh from now, and says it did.
    t.arm(1, true, 0);
    ASSERT_TRUE(t.takeDue(5 * kPeriod));
    const std::uint64_t arming = t.arming();
    t.arm(1, true, 5 * kPeriod + 7);
    EXPECT_NE(t.arming(), arming);
    EXPECT_EQ(t.nextDueNs(), 6 * kPeriod + 7);
}

// A timer of the kind the front ends make: a schedule, a clock and a routine per tick.
struct FakeTimer {
    GridSchedule ticks;
    const std::int64_t* now;
    std::string* log;
    char name;
    std::int64_t nextDueNs() const { return ticks.nextDueNs(); }
    bool runOneDue() {
        if (!ticks.takeDue(*now)) return false;
        *log += name;
        return true;
    }
};

TEST(GridSchedule, DueTicksOfSeveralTimersRunEarliestFirst) {
    std::int64_t now = 0;
    std::string log;
    FakeTimer fast{{}, &now, &log, 'f'};
    FakeTimer slow{{}, &now, &log, 's'};
    fast.ticks.arm(1, true, 0);             // every period
    slow.ticks.arm(40, true, kPeriod / 2);  // every third period, half a period later
    std::array<FakeTimer*, 2> timers{&fast, &slow};
    now = 7 * kPeriod;
    runDueInOrder(timers);
    EXPECT_EQ(log, "fffsfffsf");
    EXPECT_EQ(fast.nextDueNs(), 8 * kPeriod);
    log.clear();
    runDueInOrder(timers);
    EXPECT_EQ(log, "") << "nothing more was due";
}

}  // namespace
}  // namespace quazzle
