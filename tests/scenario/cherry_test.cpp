// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The cherry: put down 5 s into a game, paid 5 points when its line clears, then again later.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

TEST(CherryScenario, ComesFiveSecondsIntoANewGameNeverOnTheFirstCell) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Scenario s(seed);
        s.start();
        s.sim.runFor(5 - kTick / 2);
        ASSERT_EQ(s.cherryCell(), -1);
        s.sim.runFor(kTick);
        const int cell = s.cherryCell();
        EXPECT_GE(cell, 1);
        EXPECT_LE(cell, 99);
        EXPECT_EQ(s.cherries(), 1);
        EXPECT_EQ(s.cell(cell).picture, Picture::Cherry);
        EXPECT_EQ(s.playTimes(Player::Cherry), std::vector<double>{5});
        EXPECT_EQ(s.state().timers[1].interval, 0) << "one cherry at a time";
    }
    // The extreme draws reach the second and the last cell.
    for (const auto& [draw, cell] :
         {std::pair{0.0f, 1}, std::pair{std::nextafter(1.0f, 0.0f), 99}}) {
        Scenario s;
        s.start();
        s.queue({draw});
        s.sim.runFor(5.01);
        EXPECT_EQ(s.cherryCell(), cell);
    }
}

// Two rows in one pass, the cherry in the second: the bonus comes once, and the next cherry
// 15 to 30 s after it was paid.
TEST(CherryScenario, PaidOnceAndTheNextComesFifteenToThirtySecondsLater) {
    struct Case {
        std::optional<float> rearmDraw;
        double wait;  // 0 when the seed decides
    };
    const Case cases[] = {{0.0f, 15}, {std::nextafter(1.0f, 0.0f), 30}, {std::nullopt, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wait);
        Scenario s(5);
        s.start();
        s.queue({drawFor(44, 99)});
        s.sim.runFor(5.01);
        s.paint(".......... .......... .......... rrrrrrrrr. rrrrrrrrr.");
        if (c.rearmDraw) s.queue({0.5f, 0.5f, *c.rearmDraw});  // after the next deal's two draws
        double armed = 0;
        int interval = 0;
        s.sim.onArm = [&](TimerId id, int ms) {
            if (id != TimerId::Timer2 || ms == 0) return;
            armed = s.sim.now();
            interval = ms;
        };
        s.place("V-D", kRed, 39);

        EXPECT_EQ(s.state().Score, 1 + 10 + 10 + 5);
        EXPECT_EQ(s.cherryCell(), -1);
        EXPECT_EQ(s.cell(44).picture, Picture::None);
        ASSERT_GE(interval, 15000);
        ASSERT_LE(interval, 30000);
        if (c.wait > 0) {
            EXPECT_EQ(interval, c.wait * 1000);
        }

        s.keepAlive(armed + 4, armed + 34);
        s.sim.runFor(31);
        const std::vector<double> came = s.playTimes(Player::Cherry);
        ASSERT_EQ(came.size(), 2u);
        EXPECT_GE(came[1] - armed, interval / 1000.0 - 1e-9);
        EXPECT_LE(came[1] - armed, interval / 1000.0 + kTick);
    }
}

// The cherry tick can come while a row is flashing: on a cell not yet reached it is paid, on
// one already cleared it stays.
TEST(CherryScenario, PutDownDuringAClearIsPaidOnlyAheadOfTheFlash) {
    struct Case {
        int cell;
        bool paid;
    };
    for (const Case c : {Case{48, true}, Case{41, false}}) {
        SCOPED_TRACE(c.cell);
        Scenario s;
        s.start();
        s.sim.at(4.9, [&] {
            s.paint(".......... .......... .......... .......... rrrrrrrrr.");
            s.queue({0.5f, 0.5f, drawFor(c.cell, 99)});
            s.place("DOT", kRed, 49);
        });
        s.sim.runFor(5.2);

        EXPECT_EQ(s.board(), emptyBoard());
        EXPECT_EQ(s.state().Score, 1 + 10 + (c.paid ? 5 : 0));
        EXPECT_EQ(s.cherryCell(), c.paid ? -1 : c.cell);
        EXPECT_EQ(s.state().timers[1].interval > 0, c.paid);
    }
}

}  // namespace
}  // namespace quazzle::scenario
