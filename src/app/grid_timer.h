// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "front/ticker.h"

namespace quazzle {

// A Ticker that Qt wakes: a precise single-shot timer set for the tick the planner asks for.
class GridTimer : public QObject {
    Q_OBJECT

  public:
    static constexpr qint64 kPeriodNs = GridSchedule::kPeriodNs;
    static constexpr qint64 kNever = GridSchedule::kNever;
    using Planner = Ticker::Planner;

    GridTimer(const QElapsedTimer& clock, std::function<void()> onTick);

    void setPlanner(Planner planner) { ticker_.setPlanner(std::move(planner)); }
    void arm(int intervalMs, bool enabled) { ticker_.arm(intervalMs, enabled); }
    qint64 nextDueNs() const { return ticker_.nextDueNs(); }
    bool runOneDue() { return ticker_.runOneDue(); }
    void catchUp() { ticker_.catchUp(); }
    void replan() { ticker_.replan(); }

  private:
    void wakeAt(qint64 atNs);

    const QElapsedTimer& clock_;
    QTimer timer_;
    Ticker ticker_;
};

}  // namespace quazzle
