// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/platform.h"

namespace quazzle::sim {

// The platform for tests: a virtual clock and a queue of timed events. A pause advances the
// clock through every event that falls due, in time order; events may pause again, and those
// inner waits return first.
class SimPlatform : public Platform {
  public:
    // Timers tick in whole periods of 1/64 s, like the desktop's timer.
    static constexpr double kTimerPeriod = 1.0 / 64;

    void attach(Game& game) { game_ = &game; }

    double now() const { return now_; }
    // Runs `event` at virtual time `time` (or at once, in order, when that has passed).
    void at(double time, std::function<void()> event);
    void after(double delay, std::function<void()> event) { at(now_ + delay, std::move(event)); }
    // Lets `seconds` of virtual time pass from outside any routine.
    void runFor(double seconds) { pause(seconds); }
    // Ends every wait: what runs unwinds back to the test.
    void halt() { ending_ = true; }
    // Called before and after every event the queue runs.
    std::function<void()> beforeEvent;
    std::function<void()> afterEvent;

    // The "Play again?" box: waits `promptSeconds`, then gives the next answer (Yes when none).
    std::vector<bool> answers;
    double promptSeconds = 0.5;
    int prompts = 0;

    struct Played {
        double time;
        std::string name;
    };
    std::vector<Played> effects;      // effect channel
    std::vector<Played> playerPlays;  // media players, by bound sound name
    std::array<std::string, kPlayerCount> bound;
    std::vector<std::string> traces;
    int pauseDepth = 0;
    int maxPauseDepth = 0;
    bool shown = false;
    bool ended = false;
    std::array<int, kTimerCount> ticks{};

    // Platform
    void pause(double seconds) override;
    void processEvents() override { runDue(now_); }
    bool ending() const override { return ending_; }
    void armTimer(TimerId id, int intervalMs, bool enabled) override;
    void playEffect(std::string_view soundName) override;
    void bindPlayer(Player player, const std::string& locator) override;
    void playPlayer(Player player) override;
    void stopPlayer(Player) override {}
    std::string exeName() const override { return "quazzle"; }
    void showWindow() override { shown = true; }
    double scoreTextWidth(const std::string& text) override;
    bool askPlayAgain() override;
    void endProgram() override { ended = ending_ = true; }
    void trace(std::string_view text) override { traces.emplace_back(text); }
    void changed(Region, int) override {}

  private:
    struct Key {
        double time;
        std::uint64_t order;
        // clang-tidy 14 takes the 0 that the defaulted <=> compares its result with for a null
        // pointer; there is no pointer here.
        auto operator<=>(const Key&) const = default;  // NOLINT(modernize-use-nullptr)
    };
    void runDue(double until);
    void tick(int timer, std::uint64_t generation, double due, double period);

    Game* game_ = nullptr;
    double now_ = 0;
    bool ending_ = false;
    std::uint64_t order_ = 0;
    std::map<Key, std::function<void()>> queue_;
    std::array<std::uint64_t, kTimerCount> generation_{};
};

}  // namespace quazzle::sim
