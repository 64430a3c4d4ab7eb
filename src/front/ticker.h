// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <functional>

#include "front/grid_schedule.h"

namespace quazzle {

// An interval timer on the 1/64 s grid, for a front end to wake: every grid point that has
// passed is one tick, run in order, but the front end need not wake for each. A planner says how
// many ticks ahead the timer must next run on time; the front end wakes then (`wake` is told
// when, or kNever), and the ticks in between run when it does, or earlier when `catchUp` or
// `runOneDue` is asked for.
class Ticker {
  public:
    using Clock = std::function<std::int64_t()>;  // nanoseconds, monotonic
    // Ticks after the last one run until the next that must run on time; 0 for none.
    using Planner = std::function<std::int64_t()>;
    using Wake = std::function<void(std::int64_t atNs)>;

    Ticker(Clock clock, std::function<void()> onTick, Wake wake);

    void setPlanner(Planner planner) { planner_ = std::move(planner); }
    // Starts the count afresh; 0 or disabled stops the ticks.
    void arm(int intervalMs, bool enabled);

    // When the next tick not yet run falls due; GridSchedule::kNever when stopped.
    std::int64_t nextDueNs() const { return ticks_.nextDueNs(); }
    // Runs the next tick if it has fallen due; false when none had.
    bool runOneDue();
    // Runs every tick that has fallen due, in order, then plans the next wake: what the front end
    // does when the wake comes.
    void catchUp();
    // Sets the wake afresh, for when what the planner looks at has changed.
    void replan();

  private:
    void setWake(std::int64_t atNs);

    Clock clock_;
    std::function<void()> onTick_;
    Wake wake_;
    Planner planner_;
    GridSchedule ticks_;
    std::int64_t wakeAtNs_ = GridSchedule::kNever;
};

}  // namespace quazzle
