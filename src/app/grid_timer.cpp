// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "grid_timer.h"

#include <algorithm>

namespace quazzle {

GridTimer::GridTimer(const QElapsedTimer& clock, std::function<void()> onTick)
    : clock_(clock),
      ticker_([&clock] { return clock.nsecsElapsed(); }, std::move(onTick),
              [this](qint64 atNs) { wakeAt(atNs); }) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { ticker_.catchUp(); });
}

void GridTimer::wakeAt(qint64 atNs) {
    if (atNs == kNever) {
        timer_.stop();
        return;
    }
    const qint64 waitNs = std::max<qint64>(0, atNs - clock_.nsecsElapsed());
    timer_.start(int(std::min<qint64>((waitNs + 999'999) / 1'000'000, 1 << 30)));
}

}  // namespace quazzle
