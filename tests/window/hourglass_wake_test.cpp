// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The hourglass sleeps between the ticks that show: what it shows, and what the rules count,
// must be the same as if it woke for every tick.
#include <cmath>

#include "hourglass_wake.h"
#include "window_fixture.h"

namespace quazzle::window {
namespace {

// From every fill a game reaches (empty or the start-up height, plus whole ticks), the planned
// wake is the first tick that looks different or fills the glass, and nothing looks different
// before it: at every scale, with and without a screen reader listening.
TEST(HourglassWake, WakesOnTheFirstTickThatShowsAndNoLater) {
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0})
        for (const bool spoken : {false, true})
            for (const double start : {0.0, double(layout::kHourglassStartFill)})
                for (double fill = start; fill < layout::kHourglassFull;
                     fill += layout::kHourglassStep) {
                    const qint64 ahead = ticksUntilSeen(fill, ratio, spoken, false);
                    ASSERT_GE(ahead, 1);
                    const HourglassLook now = hourglassLook(fill, ratio, spoken);
                    for (qint64 k = 1; k < ahead; ++k) {
                        const double later = fill + static_cast<double>(k * layout::kHourglassStep);
                        ASSERT_LT(later, layout::kHourglassFull) << "slept past the end";
                        ASSERT_EQ(hourglassLook(later, ratio, spoken), now)
                            << "slept through a change at fill " << later << ", ratio " << ratio;
                    }
                    const double woken = fill + static_cast<double>(ahead * layout::kHourglassStep);
                    EXPECT_TRUE(woken >= layout::kHourglassFull ||
                                !(hourglassLook(woken, ratio, spoken) == now))
                        << "woke for nothing at fill " << fill << ", ratio " << ratio;
                }
}

TEST(HourglassWake, AFullGlassWakesForTheGameOverOnlyWhenNoneRuns) {
    EXPECT_EQ(ticksUntilSeen(layout::kHourglassFull + 1, 1.0, false, false), 1);
    EXPECT_EQ(ticksUntilSeen(layout::kHourglassFull + 1, 1.0, false, true), 0);
    // A game begun inside the game-over sequence (Yes at the prompt) must wake as usual.
    EXPECT_GE(ticksUntilSeen(0, 1.0, false, true), 1);
}

// The key's routine stops the hourglass (a bomb); the ticks that fell due while the window was
// busy still count, each with its own step, because they run before the routine.
TEST_F(WindowTest, TicksThatFellDueRunBeforeTheNextRoutine) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    s.Bombs = 1;
    s.bombSolid = {true, false, false};
    s.hourglassFill = 0;
    form().platform().changed(Region::Hourglass, 0);
    QTest::qSleep(250);  // busy: at least 16 ticks fall due, none can run
    EXPECT_EQ(s.hourglassFill, 0);
    QTest::keyClick(&form(), Qt::Key_Space);
    EXPECT_EQ(s.Bombs, 0);
    EXPECT_GE(s.hourglassFill, 16 * layout::kHourglassStep);
    EXPECT_EQ(std::fmod(s.hourglassFill, layout::kHourglassStep), 0);
}

}  // namespace
}  // namespace quazzle::window
