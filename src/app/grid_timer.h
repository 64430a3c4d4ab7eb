// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "front/grid_schedule.h"

namespace quazzle {

// An interval timer on Qt that ticks on the 1/64 s grid (GridSchedule): every grid point that
// has passed is one tick, run in order; the timer need not wake for each: a planner says how many
// ticks ahead it must next wake, and the ticks in between run when it does, or earlier when
// `catchUp` is asked for.
class GridTimer : public QObject {
    Q_OBJECT

  public:
    static constexpr qint64 kPeriodNs = GridSchedule::kPeriodNs;
    static constexpr qint64 kNever = GridSchedule::kNever;
    // Ticks after the last one run until the next that must run on time; 0 for none.
    using Planner = std::function<qint64()>;

    GridTimer(const QElapsedTimer& clock, std::function<void()> onTick);

    void setPlanner(Planner planner) { planner_ = std::move(planner); }
    // Starts the count afresh; 0 or disabled stops the ticks.
    void arm(int intervalMs, bool enabled);

    // When the next tick not yet run falls due, on the clock; kNever when stopped.
    qint64 nextDueNs() const;
    // Runs the next tick if it has fallen due; false when none had.
    bool runOneDue();
    // Runs every tick that has fallen due, in order, then plans the next wake.
    void catchUp();
    // Sets the wake afresh, for when what the planner looks at has changed.
    void replan();

  private:
    void fire();

    const QElapsedTimer& clock_;
    std::function<void()> onTick_;
    Planner planner_;
    QTimer timer_;
    GridSchedule ticks_;
    qint64 wakeAtNs_ = 0;  // when the timer is set to wake
};

}  // namespace quazzle
