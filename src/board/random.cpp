// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "board/random.h"

#include <cmath>

namespace quazzle {

float Random::next() {
    if (!scripted_.empty()) {
        const float draw = scripted_.front();
        scripted_.pop_front();
        return draw;
    }
    // 24 random bits fill a float's mantissa exactly, so 1.0 can never come out.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

int Random::upTo(int n) { return static_cast<int>(std::floor(n * double(next()) + 1)); }

int Random::below(int n) { return static_cast<int>(std::floor(n * double(next()))); }

}  // namespace quazzle
