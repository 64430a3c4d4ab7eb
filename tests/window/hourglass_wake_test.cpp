// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The hourglass sleeps between the ticks that show; the ticks it slept through still count.
#include <cmath>

#include "window_fixture.h"

namespace quazzle::window {
namespace {

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
