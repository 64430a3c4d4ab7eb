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
    ticks_.arm(intervalMs, enabled, clock_.nsecsElapsed());
    replan();
}

qint64 GridTimer::nextDueNs() const { return ticks_.nextDueNs(); }

bool GridTimer::runOneDue() {
    // Counted before it runs: a tick that waits lets the later ones run inside its wait.
    if (!ticks_.takeDue(clock_.nsecsElapsed())) return false;
    onTick_();
    return true;
}

void GridTimer::catchUp() {
    const quint64 arming = ticks_.arming();
    while (arming == ticks_.arming() && runOneDue()) {
    }
    // A tick that re-armed the timer has planned its wake already.
    if (arming == ticks_.arming()) replan();
}

void GridTimer::replan() {
    if (!ticks_.running()) return;
    const qint64 ahead = planner_ ? planner_() : 1;
    if (ahead <= 0) {
        timer_.stop();
        return;
    }
    const qint64 dueNs = ticks_.dueNs(ahead);
    if (timer_.isActive() && dueNs == wakeAtNs_) return;
    wakeAtNs_ = dueNs;
    const qint64 waitNs = std::max<qint64>(0, dueNs - clock_.nsecsElapsed());
    timer_.start(int(std::min<qint64>((waitNs + 999'999) / 1'000'000, 1 << 30)));
}

void GridTimer::fire() { catchUp(); }

}  // namespace quazzle
