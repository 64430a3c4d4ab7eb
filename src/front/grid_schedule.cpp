// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "front/grid_schedule.h"

namespace quazzle {

void GridSchedule::arm(int intervalMs, bool enabled, std::int64_t nowNs) {
    ++arming_;
    periodNs_ = 0;
    if (!enabled || intervalMs <= 0) return;
    const std::int64_t periods = (std::int64_t(intervalMs) * 1'000'000 + kPeriodNs - 1) / kPeriodNs;
    periodNs_ = periods * kPeriodNs;
    startNs_ = nowNs;
    taken_ = 0;
}

std::int64_t GridSchedule::nextDueNs() const { return dueNs(1); }

std::int64_t GridSchedule::dueNs(std::int64_t ticksAhead) const {
    return running() ? startNs_ + (taken_ + ticksAhead) * periodNs_ : kNever;
}

bool GridSchedule::takeDue(std::int64_t nowNs) {
    if (nextDueNs() > nowNs) return false;
    ++taken_;
    return true;
}

}  // namespace quazzle
