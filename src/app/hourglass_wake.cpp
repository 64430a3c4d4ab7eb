// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "hourglass_wake.h"

#include <algorithm>

#include "accessibility/spoken.h"
#include "device_pixels.h"
#include "game/layout.h"

namespace quazzle {

int hourglassBar(double fill, qreal ratio) {
    const double pixels = std::min(fill, double(layout::kHourglassFull)) / layout::kTwipsPerPixel;
    return devicePixel(pixels, ratio);
}

HourglassLook hourglassLook(double fill, qreal ratio, bool spoken) {
    return {hourglassBar(fill, ratio), spoken ? spoken::hourglassPercent(fill) : -1};
}

qint64 ticksUntilSeen(double fill, qreal ratio, bool spoken, bool gameOverRunning) {
    if (fill >= layout::kHourglassFull) return gameOverRunning ? 0 : 1;
    const HourglassLook now = hourglassLook(fill, ratio, spoken);
    qint64 ticks = 1;
    for (double next = fill + layout::kHourglassStep;
         next < layout::kHourglassFull && hourglassLook(next, ratio, spoken) == now;
         next += layout::kHourglassStep)
        ++ticks;
    return ticks;
}

}  // namespace quazzle
