// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "front/ticker.h"

#include <utility>

namespace quazzle {

Ticker::Ticker(Clock clock, std::function<void()> onTick, Wake wake)
    : clock_(std::move(clock)), onTick_(std::move(onTick)), wake_(std::move(wake)) {}

void Ticker::arm(int intervalMs, bool enabled) {
    ticks_.arm(intervalMs, enabled, clock_());
    setWake(GridSchedule::kNever);
    replan();
}

bool Ticker::runOneDue() {
    // Counted before it runs: a tick that waits lets the later ones run inside its wait.
    if (!ticks_.takeDue(clock_())) return false;
    onTick_();
    return true;
}

void Ticker::catchUp() {
    // The wake has come: none is pending until a tick or the end of the catch-up plans one.
    setWake(GridSchedule::kNever);
    const std::uint64_t arming = ticks_.arming();
    while (arming == ticks_.arming() && runOneDue()) {
    }
    // A tick that re-armed the timer has planned its wake already.
    if (arming == ticks_.arming()) replan();
}

void Ticker::replan() {
    if (!ticks_.running()) return;
    const std::int64_t ahead = planner_ ? planner_() : 1;
    setWake(ahead > 0 ? ticks_.dueNs(ahead) : GridSchedule::kNever);
}

void Ticker::setWake(std::int64_t atNs) {
    if (atNs == wakeAtNs_) return;
    wakeAtNs_ = atNs;
    wake_(atNs);
}

}  // namespace quazzle
