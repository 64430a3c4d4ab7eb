// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Hours of demo and real play under random input, with the game checked after every event.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

bool allowedColour(Colour c) {
    return c == colour::kEmpty || c == colour::kHoverMark || c == colour::kClearFlash ||
           c == colour::kBombFlash ||
           std::ranges::find(colour::kPalette, c) != colour::kPalette.end();
}

struct Tally {
    int gameOvers = 0;
    int demoGameOvers = 0;
    int prompts = 0;
    int lines = 0;
    int blasts = 0;
    int cherries = 0;
    int levelUps = 0;
    int gameOversInBlasts = 0;  // game overs run inside a blast's wait
    long events = 0;
};

class Soak {
  public:
    Soak(std::uint32_t seed, double seconds)
        : s_(seed), input_(seed * 2654435761u + 1), seconds_(seconds) {}

    // The first broken rule, or "" when the whole run kept to the rules.
    std::string run(Tally& tally) {
        s_.sim.onEffect = [&](std::string_view name) {
            touch([&] { return "the sound " + std::string(name); });
            if (name == "theQuazzle") {
                if (ending_) fail("a second game over began while one ran");
                ending_ = true;
                ++tally.gameOvers;
                tally.gameOversInBlasts += spaces_ > 0;
                tally.demoGameOvers += s_.state().isDemo;
            }
            if (name == "theOver" && !ending_) fail("\"theOver\" outside a game over");
            tally.lines += name == "theScore";
        };
        s_.sim.onPlayer = [&](Player p) {
            touch([&] { return "player " + std::to_string(static_cast<int>(p)); });
            if (s_.sim.now() == 0) return;  // start-up primes every player
            tally.blasts += p == Player::Explode;
            tally.cherries += p == Player::Cherry;
            tally.levelUps += p == Player::Levelup;
        };
        s_.sim.onChange = [&](Region region, int index) {
            touch([&] { return regionName(region, index); });
        };
        // Only start-up, a new game and the demo's restart arm the bomb timer: a game over ends
        // there, and the event that armed it is the next game's from then on.
        s_.sim.onArm = [&](TimerId id, int ms) {
            touch([&] { return "timer " + std::to_string(static_cast<int>(id) + 1); });
            if (id != TimerId::Timer3 || ms <= 0) return;
            ending_ = false;
            ++game_;
            if (!gameOf_.empty()) gameOf_.back() = game_;
        };
        s_.sim.beforeEvent = [&] { gameOf_.push_back(game_); };
        s_.sim.afterEvent = [&] {
            gameOf_.pop_back();
            ++tally.events;
            check();
        };

        std::uniform_real_distribution<double> when(0, seconds_ / 2);
        s_.sim.at(when(input_), [&] { s_.game.startPressed(); });
        s_.sim.at(seconds_, [&] { s_.sim.halt(); });
        s_.sim.after(0.1, [&] { poke(); });
        s_.game.load();
        s_.sim.runFor(seconds_ + 1 - s_.sim.now());
        tally.prompts += s_.sim.prompts;
        if (failure_.empty() && s_.sim.now() < seconds_) fail("the run stopped early");
        return failure_;
    }

  private:
    void fail(const std::string& what) {
        if (!failure_.empty()) return;
        std::ostringstream out;
        out << what << " at " << s_.sim.now() << " s\n" << s_.board();
        failure_ = out.str();
        s_.sim.halt();
    }

    // Something changed the board, a bar, a sound or a timer. Every event belongs to the game
    // during which it began; the start-up routine, which goes on as the demo's loop, belongs to
    // the demo. Neither acts on a game that began after its own.
    template <class What>
    void touch(What&& what) {
        if (gameOf_.empty() ? !s_.state().startButtonVisible : gameOf_.back() != game_)
            fail(what() + " changed by a routine of an ended game");
    }

    static std::string regionName(Region region, int index) {
        switch (region) {
            case Region::Cell:
                return "cell " + std::to_string(index);
            case Region::Preview:
                return "the preview";
            case Region::Levels:
                return "the levels";
            case Region::Score:
                return "the score";
            case Region::Hourglass:
                return "the hourglass";
            case Region::XpBar:
                return "the experience bar";
            case Region::Bombs:
                return "the bombs";
            case Region::StartButton:
                return "the start button";
        }
        return "?";
    }

    void check() {
        const GameState& st = s_.state();
        int tagged = 0;
        for (int i = 0; i < kCellCount; ++i) {
            const Cell& c = st.picCell[i];
            if (!allowedColour(c.backColor))
                return fail("cell " + std::to_string(i) + " has colour " +
                            std::to_string(c.backColor));
            if (c.tag.empty()) continue;
            if (c.tag != kCherryTag || c.picture != Picture::Cherry)
                return fail("cell " + std::to_string(i) + " has tag " + c.tag);
            ++tagged;
        }
        if (tagged > 1) return fail(std::to_string(tagged) + " cherries");
        if (st.Bombs < 0 || st.Bombs > 3) return fail(std::to_string(st.Bombs) + " bombs");
        // Icons catch up with a spent bomb at the blast's end; the hourglass stands still till
        // then.
        if (st.timers[0].interval != 0 && !s_.solidBombs(st.Bombs))
            return fail("bomb icons do not show " + std::to_string(st.Bombs));
        if (st.TopScore < st.Score) return fail("best score below the score");
        if (st.Score < 0 || st.theLevel < 1 || st.theXP < 0 || st.theXP > 4)
            return fail("score, level or experience out of range");
        if (st.lblMyLevel[0] != std::to_string(st.theLevel)) return fail("level labels behind");
        if (st.isDemo != st.startButtonVisible) return fail("demo and start button disagree");
        if (s_.sim.prompts != prompts_) {
            if (!ending_) fail("a prompt outside a game over");
            prompts_ = s_.sim.prompts;
        }
    }

    // One random act of the player, and the next one booked.
    void poke() {
        std::exponential_distribution<double> gap(1 / 0.3);
        s_.sim.after(gap(input_), [&] { poke(); });
        std::uniform_int_distribution<int> anyCell(0, kCellCount - 1);
        // Bombs are kept for an hourglass about to run out, and then set off two at once.
        const GameState& st = s_.state();
        if (st.Bombs >= 2 && st.hourglassFill > 0.95 * layout::kHourglassFull) {
            s_.sim.after(std::uniform_real_distribution<double>(0.02, 0.09)(input_),
                         [&] { space(); });
            space();
            return;
        }
        const double act = chance(input_);
        if (act < 0.30) {
            cell_ = anyCell(input_);
            s_.game.pointerMoved(cell_, position(), position());
        } else if (act < 0.50) {
            s_.game.clicked(chance(input_) < 0.8 ? cell_ : anyCell(input_));
        } else if (act < 0.75) {
            // A player who looks for a place where the piece fits, then clicks it.
            for (int tries = 0; tries < 30; ++tries) {
                cell_ = anyCell(input_);
                s_.game.pointerMoved(cell_, 200, 200);
                if (isHoverMark(s_.cell(cell_).backColor)) break;
            }
            s_.game.clicked(cell_);
        } else if (act < 0.82) {
            // Now and then a bomb goes off for nothing.
            if (chance(input_) < 0.1) space();
        } else if (act < 0.85) {
            s_.game.keyReleased(13);
        } else if (act < 0.93) {
            s_.game.backgroundMoved();
        } else if (act < 0.931) {
            s_.game.startPressed();
        }
    }

    void space() {
        ++spaces_;
        s_.game.keyReleased(kSpaceKey);
        --spaces_;
    }

    // Mostly inside the cell, sometimes on its rim.
    float position() {
        if (chance(input_) < 0.8) return std::uniform_real_distribution<float>(20, 400)(input_);
        return chance(input_) < 0.5 ? std::uniform_real_distribution<float>(0, 19.9f)(input_)
                                    : std::uniform_real_distribution<float>(400.1f, 495)(input_);
    }

    Scenario s_;
    std::mt19937 input_;
    std::uniform_real_distribution<double> chance{0, 1};
    double seconds_;
    int cell_ = 0;
    bool ending_ = false;
    int spaces_ = 0;           // Space releases still running: blasts that wait
    int game_ = 0;             // games begun: start-up, new games and the demo's restarts
    std::vector<int> gameOf_;  // the game each running event began in, innermost last
    int prompts_ = 0;
    std::string failure_;
};

// QUAZZLE_SOAK_HOURS stretches the run; four simulated hours by default.
double soakHours() {
    const char* hours = std::getenv("QUAZZLE_SOAK_HOURS");
    return hours ? std::max(0.1, std::atof(hours)) : 4;
}

TEST(SoakScenario, HoursOfRandomPlayKeepTheRules) {
    constexpr int kRuns = 12;
    const double seconds = soakHours() * 3600 / kRuns;
    Tally tally;
    for (std::uint32_t seed = 1; seed <= kRuns; ++seed) {
        Soak soak(seed, seconds);
        EXPECT_EQ(soak.run(tally), "") << "seed " << seed;
    }
    // The runs did reach every part of the game.
    EXPECT_GT(tally.gameOvers, kRuns);
    EXPECT_GT(tally.demoGameOvers, 0);
    EXPECT_GT(tally.prompts, kRuns);
    EXPECT_GT(tally.lines, 0);
    EXPECT_GT(tally.blasts, 0);
    EXPECT_GT(tally.cherries, 0);
    EXPECT_GT(tally.levelUps, 0);
    EXPECT_GT(tally.gameOversInBlasts, 0);
    std::printf(
        "%g simulated hours, %ld events: %d game overs (%d in the demo, %d inside a "
        "blast), %d lines, %d blasts\n",
        soakHours(), tally.events, tally.gameOvers, tally.demoGameOvers, tally.gameOversInBlasts,
        tally.lines, tally.blasts);
}

}  // namespace
}  // namespace quazzle::scenario
