// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "front/hourglass_wake.h"

#include <algorithm>

#include "front/device_pixel.h"
#include "front/spoken.h"
#include "game/layout.h"

namespace quazzle {

int hourglassBar(double fill, double ratio) {
    const double pixels = std::min(fill, double(layout::kHourglassFull)) / layout::kTwipsPerPixel;
    return devicePixel(pixels, ratio);
}

HourglassLook hourglassLook(double fill, double ratio, bool spoken) {
    return {hourglassBar(fill, ratio), spoken ? spoken::hourglassPercent(fill) : -1};
}

std::int64_t ticksUntilSeen(double fill, double ratio, bool spoken, bool gameOverRunning) {
    if (fill >= layout::kHourglassFull) return gameOverRunning ? 0 : 1;
    const HourglassLook now = hourglassLook(fill, ratio, spoken);
    std::int64_t ticks = 1;
    for (double next = fill + layout::kHourglassStep;
         next < layout::kHourglassFull && hourglassLook(next, ratio, spoken) == now;
         next += layout::kHourglassStep)
        ++ticks;
    return ticks;
}

}  // namespace quazzle
