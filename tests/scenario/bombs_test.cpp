// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Bombs: earned every 30 s up to three, spent by Space on a cluster in the middle of the board.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

TEST(BombsScenario, EarnedEveryThirtySecondsUpToThree) {
    Scenario s;
    s.start();
    s.keepAlive(5, 155);
    s.sim.at(10, [&] { s.game.keyReleased(kSpaceKey); });  // none held yet
    s.sim.at(125, [&] { s.game.keyReleased(kSpaceKey); });
    std::map<double, int> held;
    for (double t : {29.9, 30.1, 60.1, 90.1, 120.1, 126.0, 150.1})
        s.sim.at(t, [&, t] {
            held[t] = s.state().Bombs;
            EXPECT_TRUE(s.solidBombs(s.state().Bombs)) << t;
        });
    s.sim.runFor(151);

    EXPECT_EQ(held,
              (std::map<double, int>{
                  {29.9, 0}, {30.1, 1}, {60.1, 2}, {90.1, 3}, {120.1, 3}, {126.0, 2}, {150.1, 3}}));
    EXPECT_EQ(s.playTimes(Player::Bomb), (std::vector<double>{30, 60, 90, 150}));
    EXPECT_EQ(s.playTimes(Player::Explode), std::vector<double>{125});
}

TEST(BombsScenario, BlastsStayInTheMiddleOfTheBoard) {
    std::set<int> centres;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Scenario s(seed);
        s.start();
        s.st().Bombs = 3;
        std::vector<std::vector<int>> blasts;
        s.sim.onPlayer = [&](Player p) {
            if (p == Player::Explode) blasts.emplace_back();
        };
        s.sim.onCell = [&](int i) {
            if (s.cell(i).backColor == colour::kBombFlash && !blasts.empty())
                blasts.back().push_back(i);
        };
        for (int k = 0; k < 3; ++k) s.game.keyReleased(kSpaceKey);

        ASSERT_EQ(blasts.size(), 3u);
        EXPECT_EQ(s.state().Bombs, 0);
        EXPECT_TRUE(s.solidBombs(0));
        for (const std::vector<int>& cells : blasts) {
            ASSERT_GE(cells.size(), 4u);
            ASSERT_LE(cells.size(), 6u);
            const int centre = cells[0];
            centres.insert(centre);
            EXPECT_TRUE(rowOf(centre) >= 2 && rowOf(centre) <= 7) << centre;
            EXPECT_TRUE(columnOf(centre) >= 2 && columnOf(centre) <= 7) << centre;
            for (std::size_t k = 1; k < cells.size(); ++k) {
                const int dr = rowOf(cells[k]) - rowOf(centre);
                const int dc = columnOf(cells[k]) - columnOf(centre);
                EXPECT_TRUE(std::abs(dr) <= 1 && std::abs(dc) <= 1 && (dr || dc)) << cells[k];
                EXPECT_TRUE(rowOf(cells[k]) >= 1 && rowOf(cells[k]) <= 8) << cells[k];
                EXPECT_TRUE(columnOf(cells[k]) >= 1 && columnOf(cells[k]) <= 8) << cells[k];
            }
        }
    }
    EXPECT_EQ(centres.size(), 36u) << "every middle cell can be a centre";
}

// A second Space during a blast spends another bomb; the hourglass stands still until the
// nested blast ends, and runs again afterwards.
TEST(BombsScenario, NestedBlastSpendsASecondBombWhileTheHourglassStandsStill) {
    Scenario s;
    s.start();
    s.st().Bombs = 2;
    s.st().bombSolid = {true, true, false};
    s.sim.runFor(1);
    const double fill = s.state().hourglassFill;

    std::vector<double> fills;
    for (double t : {1.05, 1.12, 1.2, 1.3, 1.45})
        s.sim.at(t, [&] { fills.push_back(s.state().hourglassFill); });
    s.sim.at(1.15, [&] { s.game.keyReleased(kSpaceKey); });
    int flashes = 0;
    s.sim.onCell = [&](int i) { flashes += s.cell(i).backColor == colour::kBombFlash; };
    s.game.keyReleased(kSpaceKey);

    EXPECT_EQ(s.playTimes(Player::Explode), (std::vector<double>{1, 1.15}));
    EXPECT_EQ(fills, std::vector<double>(5, fill));
    EXPECT_GE(s.sim.now(), 1.75 - 1e-9) << "the outer blast goes on after the nested one";
    EXPECT_GE(flashes, 8);
    EXPECT_LE(flashes, 12);
    EXPECT_EQ(s.state().Bombs, 0);
    EXPECT_TRUE(s.solidBombs(0));
    EXPECT_GT(s.state().hourglassFill, fill) << "restarted when the nested blast ended";

    const double after = s.state().hourglassFill;
    s.sim.runFor(0.5 + kTick / 2);
    EXPECT_EQ(s.state().hourglassFill, after + 7 * 32);
}

TEST(BombsScenario, BlastedCherryIsLostWithoutPayAndNoOtherComes) {
    Scenario s;
    s.start();
    s.queue({drawFor(44, 99)});
    s.sim.runFor(5.01);
    ASSERT_EQ(s.cherryCell(), 44);
    s.paint(".......... .......... .......... .......... ....r.....");
    s.st().Bombs = 1;
    s.bombNext(44, {1, 1, 1});
    const int score = s.state().Score;
    s.game.keyReleased(kSpaceKey);

    EXPECT_EQ(s.cherryCell(), -1);
    EXPECT_EQ(s.state().Score, score);
    EXPECT_EQ(s.board(), emptyBoard());
    EXPECT_EQ(s.cell(44).picture, Picture::Cherry) << "the picture stays until the next hover";
    s.game.pointerMoved(80, 200, 200);
    EXPECT_EQ(s.cell(44).picture, Picture::None);

    s.keepAlive(8, 60);
    s.sim.runFor(55);
    EXPECT_EQ(s.playTimes(Player::Cherry).size(), 1u);
    EXPECT_EQ(s.cherryCell(), -1);
}

}  // namespace
}  // namespace quazzle::scenario
