// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quazzle {

// The three interval timers of the window.
enum class TimerId { Timer1, Timer2, Timer3 };
inline constexpr int kTimerCount = 3;

// The four media players, in the order start-up binds them.
enum class Player { Bomb, Cherry, Explode, Levelup };
inline constexpr int kPlayerCount = 4;

// What a repaint has to cover after the state changed.
enum class Region { Cell, Preview, Levels, Score, Hourglass, XpBar, Bombs, StartButton };

// Everything the rules need from the outside world. The Qt window implements it for play,
// the simulated platform for tests.
class Platform {
  public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    virtual ~Platform() = default;

    // Waits `seconds` while pending events (ticks, input, repaints) are handled.
    // Returns at once, handling nothing, for 0 or less.
    virtual void pause(double seconds) = 0;
    // Handles whatever events are pending now, without waiting.
    virtual void processEvents() = 0;
    // True once the program has been told to end: every wait must unwind.
    virtual bool ending() const = 0;
    // Runs the timer ticks that have fallen due but not run yet, before a routine from the
    // toolkit runs. A platform that runs every tick on time has nothing to do.
    virtual void settle() {}

    // Starts the timer's count afresh (or stops it when `intervalMs` is 0 or it is disabled).
    virtual void armTimer(TimerId id, int intervalMs, bool enabled) = 0;

    // The effect channel: one voice, the newest effect cuts off the one playing.
    virtual void playEffect(std::string_view soundName) = 0;
    virtual void bindPlayer(Player player, const std::string& locator) = 0;
    virtual void playPlayer(Player player) = 0;
    virtual void stopPlayer(Player player) = 0;

    // The program's file name without extension.
    virtual std::string exeName() const = 0;
    virtual void showWindow() = 0;
    // Width in twips of the score label for `text`.
    virtual double scoreTextWidth(const std::string& text) = 0;
    // The modal "Play again?" box; true for Yes.
    virtual bool askPlayAgain() = 0;
    virtual void endProgram() = 0;
    // Debug trace; never shown to the player.
    virtual void trace(std::string_view text) = 0;
    // The state behind `region` (cell `index` for Region::Cell) has changed.
    virtual void changed(Region region, int index) = 0;
};

}  // namespace quazzle
