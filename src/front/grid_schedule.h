// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <limits>

namespace quazzle {

// An interval timer's ticks: whole periods of 1/64 s on a grid laid from the moment it was
// armed, so they do not drift. Every grid point that has passed is one tick, taken in order; a
// front end need not wake for each, only for the ones a planner says must run on time. Times are
// nanoseconds on the front end's monotonic clock.
class GridSchedule {
  public:
    static constexpr std::int64_t kPeriodNs = 15'625'000;
    static constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

    // Starts the count afresh at `nowNs`; 0 or disabled stops the ticks. Intervals round up to
    // whole periods: 1 ms ticks 64 times a second.
    void arm(int intervalMs, bool enabled, std::int64_t nowNs);

    bool running() const { return periodNs_ > 0; }
    // When the next tick not yet taken falls due; kNever when stopped.
    std::int64_t nextDueNs() const;
    // Counts the next tick as run if it has fallen due by `nowNs`; false when none had.
    bool takeDue(std::int64_t nowNs);
    // When the tick `ticksAhead` after the last one taken falls due; kNever when stopped.
    std::int64_t dueNs(std::int64_t ticksAhead) const;
    // Counts the arms, so that a tick that re-armed its own timer can tell.
    std::uint64_t arming() const { return arming_; }

  private:
    std::int64_t startNs_ = 0;
    std::int64_t periodNs_ = 0;
    std::int64_t taken_ = 0;  // ticks taken since armed
    std::uint64_t arming_ = 0;
};

// Runs every tick of `timers` that has fallen due, earliest first across them, so that they run
// in the order they fell due. `Timers` is a range of pointers to timers with nextDueNs() and
// runOneDue(); a tick may re-arm any of them.
template <class Timers>
void runDueInOrder(Timers& timers) {
    for (;;) {
        auto* first = *timers.begin();
        for (auto* timer : timers)
            if (timer->nextDueNs() < first->nextDueNs()) first = timer;
        if (!first->runOneDue()) return;
    }
}

}  // namespace quazzle
