// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Waiting on the real event loop: events run inside, nothing spins, nesting unwinds in order.
#include <QElapsedTimer>

#include "window_fixture.h"

namespace quazzle::window {
namespace {

TEST_F(WindowTest, PauseOfZeroReturnsAtOnceAndHandlesNoEvent) {
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    form().platform().pause(0);
    EXPECT_FALSE(handled);
    form().platform().pause(0.02);
    EXPECT_TRUE(handled);
}

TEST_F(WindowTest, PauseLastsAtLeastItsTimeAndRunsTicksThatFallDue) {
    QtPlatform& platform = form().platform();
    platform.armTimer(TimerId::Timer3, 1, true);  // one tick per 1/64 s
    GameState& s = GameSeam::state(game());
    s.Bombs = 0;
    QElapsedTimer clock;
    clock.start();
    platform.pause(0.3);
    EXPECT_GE(clock.nsecsElapsed(), 300'000'000);
    EXPECT_EQ(s.Bombs, 3);  // each tick earned one, up to three
    platform.armTimer(TimerId::Timer3, 0, true);
}

TEST_F(WindowTest, NestedPausesReturnInnermostFirst) {
    std::vector<std::string> order;
    QTimer::singleShot(10, [&] {
        form().platform().pause(0.1);
        order.emplace_back("inner");
    });
    form().platform().pause(0.03);
    order.emplace_back("outer");
    EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer"}));
}

}  // namespace
}  // namespace quazzle::window
