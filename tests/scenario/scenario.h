// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

// Shared set-up for whole-game scenarios on the simulated platform.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "support/board_art.h"
#include "support/game_seam.h"
#include "support/sim_platform.h"

namespace quazzle::scenario {

inline constexpr double kTick = sim::SimPlatform::kTimerPeriod;
inline constexpr Colour kRed = colour::kPalette[0];
inline constexpr Colour kTeal = colour::kPalette[1];

// The simulated platform, also telling the test about every cell repaint, effect, player play
// and timer arming at the moment it happens.
class Watched : public sim::SimPlatform {
  public:
    std::function<void(int)> onCell;
    std::function<void(Region, int)> onChange;  // every repaint, cells included
    std::function<void(std::string_view)> onEffect;
    std::function<void(Player)> onPlayer;
    std::function<void(TimerId, int)> onArm;

    struct PlayerPlay {
        double time;
        Player player;
    };
    std::vector<PlayerPlay> played;  // every player play, bound at start-up or not

    void changed(Region region, int index) override {
        if (region == Region::Cell && onCell) onCell(index);
        if (onChange) onChange(region, index);
    }
    void playEffect(std::string_view soundName) override {
        SimPlatform::playEffect(soundName);
        if (onEffect) onEffect(soundName);
    }
    void playPlayer(Player player) override {
        SimPlatform::playPlayer(player);
        played.push_back({now(), player});
        if (onPlayer) onPlayer(player);
    }
    void armTimer(TimerId id, int intervalMs, bool enabled) override {
        SimPlatform::armTimer(id, intervalMs, enabled);
        if (onArm) onArm(id, intervalMs);
    }
};

inline std::string emptyBoard() { return art::normalise(std::string(kCellCount, '.')); }

// The draw that makes floor(n x draw + 1) come out as `value`.
inline float drawFor(int value, int n) {
    return (static_cast<float>(value) - 0.5f) / static_cast<float>(n);
}

// One game window on the simulated platform.
struct Scenario {
    explicit Scenario(std::uint32_t seed = 1) : game(sim, seed) { sim.attach(game); }

    Watched sim;
    Game game;

    GameState& st() { return GameSeam::state(game); }
    const GameState& state() const { return game.state(); }
    const Cell& cell(int index) const { return game.state().picCell[index]; }

    // Real play straight away, as the start button gives it.
    void start() { game.startPressed(); }
    void paint(std::string_view picture) { art::paint(st().picCell, picture); }
    std::string board() const { return art::draw(game.state().picCell); }

    // Puts `kind` in `colour` in the player's hand, as a deal would.
    void hold(std::string_view kind, Colour colour) {
        st().thePiece = std::string(kind);
        st().Tag = std::to_string(colour);
    }
    // The player's pointer well inside cell `anchor`, then a click there.
    void place(int anchor) {
        game.pointerMoved(anchor, 200, 200);
        game.clicked(anchor);
    }
    void place(std::string_view kind, Colour colour, int anchor) {
        hold(kind, colour);
        place(anchor);
    }

    // The next deal gives kind number `kind` (1 to 12) in palette entry `entry` of `level`.
    void dealNext(int kind, int entry, int level) {
        GameSeam::random(game).queue({drawFor(kind, 12), drawFor(entry, level)});
    }
    void queue(std::initializer_list<float> draws) { GameSeam::random(game).queue(draws); }
    // The next bomb blasts `centre` (rows and columns 2 to 7), then its neighbours in
    // `directions` (1 above, 2 below, 3 left, 4 right, 5 to 8 the diagonals; three to five).
    void bombNext(int centre, const std::vector<int>& directions) {
        bombCentreNext(centre);
        bombNeighboursNext(directions);
    }
    // The two halves of those draws: a bomb draws its centre before the centre's flash, and
    // its neighbours only after it, so a bomb set off during that flash draws in between.
    void bombCentreNext(int centre) {
        queue({drawFor(rowOf(centre) - 1, 6), (static_cast<float>(columnOf(centre)) - 1.5f) / 6});
    }
    void bombNeighboursNext(const std::vector<int>& directions) {
        queue({(static_cast<float>(directions.size()) - 2.5f) / 3});
        for (int d : directions) queue({drawFor(d, 8)});
    }

    int effects(std::string_view name) const {
        return static_cast<int>(
            std::ranges::count(sim.effects, name, &sim::SimPlatform::Played::name));
    }
    std::vector<double> effectTimes(std::string_view name) const {
        return times(sim.effects, name);
    }
    std::vector<double> playTimes(Player player) const {
        std::vector<double> out;
        for (const auto& play : sim.played)
            if (play.player == player) out.push_back(play.time);
        return out;
    }

    // The cell tagged as the cherry, or -1.
    int cherryCell() const {
        for (int i = 0; i < kCellCount; ++i)
            if (cell(i).tag == kCherryTag) return i;
        return -1;
    }
    int cherries() const {
        return static_cast<int>(
            std::ranges::count(game.state().picCell, std::string(kCherryTag), &Cell::tag));
    }
    bool solidBombs(int held) const {
        for (int k = 0; k < kBombSlots; ++k)
            if (state().bombSolid[k] != (k < held)) return false;
        return true;
    }

    // Places a dot every `every` seconds from `from` to `until`, on the last empty cell of the
    // board in a checkerboard of two colours, so the hourglass never runs out and no line ever
    // completes.
    void keepAlive(double from, double until, double every = 5) {
        for (double t = from; t <= until; t += every)
            sim.at(t, [this] {
                for (int i = kCellCount - 1; i >= 0; --i)
                    if (isEmpty(cell(i).backColor)) {
                        place("DOT", (rowOf(i) + columnOf(i)) % 2 ? kTeal : kRed, i);
                        return;
                    }
            });
    }

  private:
    static std::vector<double> times(const std::vector<sim::SimPlatform::Played>& log,
                                     std::string_view name) {
        std::vector<double> out;
        for (const auto& played : log)
            if (played.name == name) out.push_back(played.time);
        return out;
    }
};

}  // namespace quazzle::scenario
