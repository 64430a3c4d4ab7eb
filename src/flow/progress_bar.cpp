// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The experience bar painter.
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "game/game.h"

namespace quazzle {

namespace {
// Error codes as the classic runtime numbers them.
constexpr std::int32_t kOverflow = 6;
constexpr std::int32_t kDivisionByZero = 11;

std::int32_t fail(Platform& platform, std::int32_t code, const char* description) {
    platform.trace(std::string("Error in DrawProgressBar: ") + description);
    return code;
}
}  // namespace

std::int32_t Game::DrawProgressBar(ProgressImage& pbProgress, std::int32_t lPercentComplete,
                                   std::int32_t lMaxPercentage, Colour lBackColor,
                                   Colour lForeColor) {
    if (lMaxPercentage == 0) return fail(platform_, kDivisionByZero, "Division by zero");
    const auto fraction = static_cast<float>(double(lPercentComplete) / double(lMaxPercentage));
    // Halves go to the even neighbour.
    const double x = std::nearbyint(pbProgress.width * double(fraction));
    if (x > std::numeric_limits<std::int16_t>::max() ||
        x < std::numeric_limits<std::int16_t>::min())
        return fail(platform_, kOverflow, "Overflow");

    pbProgress.painted = true;
    pbProgress.back = lBackColor;
    pbProgress.fore = lForeColor;
    pbProgress.filled = static_cast<int>(x);
    platform_.changed(Region::XpBar, 0);
    return 0;
}

}  // namespace quazzle
