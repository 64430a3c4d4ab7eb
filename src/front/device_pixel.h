// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cmath>

namespace quazzle {

// Window pixels to the device pixel they round to, at `ratio` device pixels a window pixel.
inline int devicePixel(double windowPixels, double ratio) {
    return int(std::lround(windowPixels * ratio));
}

}  // namespace quazzle
