// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <cmath>

#include "game/layout.h"

namespace quazzle {

// Twips to whole pixels.
inline int px(double twips) { return int(std::lround(twips / layout::kTwipsPerPixel)); }

inline QRect pxRect(const layout::Rect& r) {
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

}  // namespace quazzle
