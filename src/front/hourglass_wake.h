// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace quazzle {

// How far down the black bar reaches, in device pixels, for a fill in twips.
int hourglassBar(double fill, double ratio);

// What of the hourglass anyone can see: the bar, and the whole percent a screen reader is told
// when one listens.
struct HourglassLook {
    int bar = 0;
    int percent = -1;
    bool operator==(const HourglassLook&) const = default;
};
HourglassLook hourglassLook(double fill, double ratio, bool spoken);

// How many ticks from now the hourglass must next tick on time: the first tick after which it
// looks different or is full. 0 when no tick can change anything: full while the game-over
// sequence runs (every way out of it empties the glass).
std::int64_t ticksUntilSeen(double fill, double ratio, bool spoken, bool gameOverRunning);

}  // namespace quazzle
