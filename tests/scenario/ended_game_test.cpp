// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Nothing of an ended game reaches the next one: a routine still waiting when the next game
// begins (Yes at the prompt, or the demo's restart after it lost) unwinds at its next wait.
#include <gtest/gtest.h>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

// The outer blast's five neighbours of 44, one direction each: above, below, left, right,
// above right. (Each is drawn just before its flash: the ones a blast never reaches are drawn by
// whatever comes next.)
const std::vector<int> kOuterDirections = {1, 2, 3, 4, 6};
const std::vector<int> kOuterCells = {34, 54, 43, 45, 35};
// The outer blast's centre flash, the nested blast (0.4 s) within it, then its neighbours.
constexpr double kOuterEnds = 0.05 + 0.4 + 0.5;

// Scripts two bombs: the next one blasts 44 and then `kOuterCells`; one set off during its
// centre's flash blasts 66 and three times 76.
void scriptNestedBlasts(Scenario& s) {
    s.bombCentreNext(44);
    s.bombNext(66, {2, 2, 2});
    s.bombNeighboursNext(kOuterDirections);
}

// Everything that reaches the board, the timers and the sounds from the moment the next game
// has begun: the first arming of the bomb timer after a game over, the last step of both a new
// game and the demo's restart.
struct NextGame {
    explicit NextGame(Watched& sim) {
        sim.onEffect = [this, &sim](std::string_view name) {
            over = over || name == "theQuazzle";
            if (begun >= 0) effects.emplace_back(name);
            if (onEffect) onEffect(name, sim.now());
        };
        sim.onArm = [this, &sim](TimerId id, int ms) {
            if (begun >= 0) {
                armed.push_back(id);
            } else if (over && id == TimerId::Timer3 && ms > 0) {
                begun = sim.now();
                if (onBegun) onBegun();
            }
        };
        sim.onPlayer = [this, &sim](Player p) {
            if (begun >= 0) played.push_back(p);
            if (onPlayer) onPlayer(p, sim.now());
        };
        sim.onCell = [this](int i) {
            if (begun >= 0 && game->state().picCell[i].backColor == colour::kBombFlash)
                flashed.push_back(i);
        };
    }

    const Game* game = nullptr;
    bool over = false;
    double begun = -1;
    std::vector<int> flashed;
    std::vector<TimerId> armed;
    std::vector<Player> played;
    std::vector<std::string> effects;
    std::function<void()> onBegun;
    std::function<void(std::string_view, double)> onEffect;
    std::function<void(Player, double)> onPlayer;
};

// A full board in two colours with no line: nothing fits and nothing clears.
std::string stuckBoard() {
    std::string full;
    for (int i = 0; i < kCellCount; ++i) full += (rowOf(i) + columnOf(i)) % 2 ? 't' : 'r';
    return full;
}

// Two Space releases 50 ms apart with the hourglass nearly full: the nested blast restarts the
// hourglass before the outer one ends, the glass fills while the outer one waits, and the game
// over runs and is answered Yes inside that wait. The player places pieces on the cells the
// outer blast had still to reach; they stay, and the new game's hourglass keeps its count.
class YesDuringABlast : public ::testing::TestWithParam<int> {};

TEST_P(YesDuringABlast, TheBlastOfTheEndedGameGoesNoFurther) {
    Scenario s;
    NextGame next(s.sim);
    next.game = &s.game;
    s.start();
    constexpr double kSpace = 1;
    s.sim.at(kSpace, [&] {
        s.st().hourglassFill = layout::kHourglassFull * GetParam() / 100.0;
        s.st().Bombs = 2;
        s.st().bombSolid = {true, true, false};
        scriptNestedBlasts(s);
        s.game.keyReleased(kSpaceKey);
    });
    s.sim.at(kSpace + 0.05, [&] { s.game.keyReleased(kSpaceKey); });
    std::vector<std::pair<int, Colour>> placed;
    next.onBegun = [&] {
        s.sim.after(0.01, [&] {
            for (int i : kOuterCells) {
                if (!isEmpty(s.cell(i).backColor)) continue;
                const Colour c = (rowOf(i) + columnOf(i)) % 2 ? kTeal : kRed;
                s.place("DOT", c, i);
                placed.emplace_back(i, c);
            }
        });
    };
    s.sim.runFor(7);

    ASSERT_EQ(s.sim.prompts, 1);
    ASSERT_EQ(s.playTimes(Player::Explode), (std::vector<double>{kSpace, kSpace + 0.05}));
    const std::vector<double> over = s.effectTimes("theQuazzle");
    ASSERT_EQ(over.size(), 1u);
    ASSERT_LT(over[0], kSpace + kOuterEnds) << "the game ended while the outer blast waited";
    ASSERT_GT(next.begun, 0);

    EXPECT_EQ(next.flashed, std::vector<int>{}) << "no cell of the new game flashes white";
    EXPECT_EQ(next.armed, std::vector<TimerId>{}) << "no timer of the new game is set again";
    EXPECT_EQ(next.played, std::vector<Player>{});
    EXPECT_EQ(next.effects, std::vector<std::string>(placed.size(), "thePlace"));
    for (const auto& [i, c] : placed) EXPECT_EQ(s.cell(i).backColor, c) << "cell " << i;
    EXPECT_EQ(s.state().Score, static_cast<int>(placed.size()));
    EXPECT_EQ(s.state().Bombs, 0);
    EXPECT_TRUE(s.solidBombs(0));
    // Nothing restarted the new game's hourglass: it ticks on the count the new game began,
    // emptied by the placements a few milliseconds in.
    EXPECT_EQ(s.state().hourglassFill,
              layout::kHourglassStep * std::floor((s.sim.now() - next.begun) / kTick + 1e-9));
}

INSTANTIATE_TEST_SUITE_P(HourglassPercent, YesDuringABlast, ::testing::Values(96, 97, 98, 99));

// The demo loses its game while a blast the player set off waits; the demo's restart leaves
// the blast behind with the lost game, and the demo plays on.
TEST(EndedGameScenario, ThePlayersBlastStopsWhereTheDemoRestarts) {
    Scenario s;
    NextGame next(s.sim);
    next.game = &s.game;
    constexpr double kSpace = 3;
    s.sim.at(kSpace, [&] {
        s.paint(stuckBoard());
        s.st().hourglassFill = layout::kHourglassFull * 0.98;
        s.st().Bombs = 2;
        s.st().bombSolid = {true, true, false};
        scriptNestedBlasts(s);
        s.game.keyReleased(kSpaceKey);
    });
    s.sim.at(kSpace + 0.05, [&] { s.game.keyReleased(kSpaceKey); });
    next.onBegun = [&] { s.sim.after(3, [&] { s.sim.halt(); }); };
    s.sim.at(30, [&] { s.sim.halt(); });
    s.game.load();

    ASSERT_EQ(s.playTimes(Player::Explode), (std::vector<double>{0, kSpace, kSpace + 0.05}))
        << "primed at start-up, then the two blasts";
    const std::vector<double> over = s.effectTimes("theQuazzle");
    ASSERT_EQ(over.size(), 1u);
    ASSERT_LT(over[0], kSpace + kOuterEnds);
    ASSERT_GT(next.begun, 0);
    EXPECT_EQ(s.sim.prompts, 0);

    EXPECT_EQ(next.flashed, std::vector<int>{});
    EXPECT_EQ(next.armed, std::vector<TimerId>{});
    EXPECT_EQ(next.played, std::vector<Player>{});
    EXPECT_TRUE(s.state().isDemo);
    EXPECT_GE(s.sim.now(), next.begun + 3) << "the demo kept going";
    EXPECT_GE(std::ranges::count(next.effects, "thePlace"), 3)
        << "and placed pieces on the restarted board";
}

// The same, with the outer blast the demo's own, spent at its click after the line check.
TEST(EndedGameScenario, TheDemosOwnBlastStopsWhereTheDemoRestarts) {
    Scenario s;
    NextGame next(s.sim);
    next.game = &s.game;
    s.sim.at(3, [&] {
        s.paint(stuckBoard());
        s.st().hourglassFill = layout::kHourglassFull * 0.98;
        s.st().Bombs = 2;
        s.st().bombSolid = {true, true, false};
        scriptNestedBlasts(s);
    });
    double demoBlast = -1;
    next.onPlayer = [&](Player p, double now) {
        if (p != Player::Explode || now < 3 || demoBlast >= 0) return;
        demoBlast = now;
        s.sim.after(0.05, [&] { s.game.keyReleased(kSpaceKey); });
    };
    next.onBegun = [&] { s.sim.after(3, [&] { s.sim.halt(); }); };
    s.sim.at(30, [&] { s.sim.halt(); });
    s.game.load();

    ASSERT_GT(demoBlast, 3);
    ASSERT_LT(demoBlast, 3.1) << "spent at the demo's next click";
    ASSERT_EQ(s.playTimes(Player::Explode).size(), 3u) << "primed, the demo's, the player's";
    const std::vector<double> over = s.effectTimes("theQuazzle");
    ASSERT_EQ(over.size(), 1u);
    ASSERT_LT(over[0], demoBlast + kOuterEnds);
    ASSERT_GT(next.begun, 0);

    EXPECT_EQ(next.flashed, std::vector<int>{});
    EXPECT_EQ(next.armed, std::vector<TimerId>{});
    EXPECT_EQ(next.played, std::vector<Player>{});
    EXPECT_TRUE(s.state().isDemo);
    EXPECT_GE(s.sim.now(), next.begun + 3);
    EXPECT_GE(std::ranges::count(next.effects, "thePlace"), 3);
}

}  // namespace
}  // namespace quazzle::scenario
