// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "grid_timer.h"

#include <algorithm>

namespace quazzle {

GridTimer::GridTimer(const QElapsedTimer& clock, std::function<void()> onTick)
    : clock_(clock), onTick_(std::move(onTick)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GridTimer::fire);
}

void GridTimer::arm(int intervalMs, bool enabled) {
    timer_.stop();
    periodNs_ = 0;
    if (!enabled || intervalMs <= 0) return;
    // Intervals round up to whole periods: 1 ms ticks 64 times a second.
    const qint64 periods = (qint64(intervalMs) * 1'000'000 + kPeriodNs - 1) / kPeriodNs;
    periodNs_ = periods * kPeriodNs;
    startNs_ = clock_.nsecsElapsed();
    next_ = 1;
    scheduleNext();
}

void GridTimer::scheduleNext() {
    const qint64 dueNs = startNs_ + next_ * periodNs_;
    const qint64 waitNs = std::max<qint64>(0, dueNs - clock_.nsecsElapsed());
    timer_.start(int((waitNs + 999'999) / 1'000'000));
}

void GridTimer::fire() {
    if (periodNs_ == 0) return;
    const qint64 elapsed = clock_.nsecsElapsed() - startNs_;
    // Booked before the tick runs, so a tick that waits does not hold up its own timer.
    next_ = std::max(next_ + 1, elapsed / periodNs_ + 1);
    scheduleNext();
    onTick_();
}

}  // namespace quazzle
