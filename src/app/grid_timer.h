// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace quazzle {

// An interval timer that ticks in whole periods of 1/64 s on a grid laid from the moment it was
// armed, so ticks do not drift. A late tick is not made up for: the next one comes at the next
// grid point.
class GridTimer : public QObject {
  public:
    static constexpr qint64 kPeriodNs = 15'625'000;

    GridTimer(const QElapsedTimer& clock, std::function<void()> onTick);

    // Starts the count afresh; 0 or disabled stops the ticks.
    void arm(int intervalMs, bool enabled);
    bool running() const { return periodNs_ > 0; }

  private:
    void scheduleNext();
    void fire();

    const QElapsedTimer& clock_;
    std::function<void()> onTick_;
    QTimer timer_;
    qint64 startNs_ = 0;
    qint64 periodNs_ = 0;
    qint64 next_ = 0;  // grid point of the next tick
};

}  // namespace quazzle
