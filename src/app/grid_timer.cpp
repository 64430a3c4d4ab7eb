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
    ++arming_;
    timer_.stop();
    periodNs_ = 0;
    if (!enabled || intervalMs <= 0) return;
    // Intervals round up to whole periods: 1 ms ticks 64 times a second.
    const qint64 periods = (qint64(intervalMs) * 1'000'000 + kPeriodNs - 1) / kPeriodNs;
    periodNs_ = periods * kPeriodNs;
    startNs_ = clock_.nsecsElapsed();
    run_ = 0;
    replan();
}

qint64 GridTimer::nextDueNs() const {
    return running() ? startNs_ + (run_ + 1) * periodNs_ : kNever;
}

bool GridTimer::runOneDue() {
    if (nextDueNs() > clock_.nsecsElapsed()) return false;
    // Counted before it runs: a tick that waits lets the later ones run inside its wait.
    ++run_;
    onTick_();
    return true;
}

void GridTimer::catchUp() {
    const quint64 arming = arming_;
    while (arming == arming_ && runOneDue()) {
    }
    // A tick that re-armed the timer has planned its wake already.
    if (arming == arming_) replan();
}

void GridTimer::replan() {
    if (!running()) return;
    const qint64 ahead = planner_ ? planner_() : 1;
    if (ahead <= 0) {
        timer_.stop();
        return;
    }
    const qint64 wakeAt = run_ + ahead;
    if (timer_.isActive() && wakeAt == wakeAt_) return;
    wakeAt_ = wakeAt;
    const qint64 dueNs = startNs_ + wakeAt * periodNs_;
    const qint64 waitNs = std::max<qint64>(0, dueNs - clock_.nsecsElapsed());
    timer_.start(int(std::min<qint64>((waitNs + 999'999) / 1'000'000, 1 << 30)));
}

void GridTimer::fire() { catchUp(); }

}  // namespace quazzle
