// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "shown.h"

#include <cmath>
#include <utility>

#include "front/hourglass_wake.h"
#include "pixels.h"

namespace quazzle {

QRect Shown::previewSlot(int slot) {
    const GridPosition at = previewPosition(slot);
    const int size = px(layout::kPreviewCellSize);
    return {px(layout::kPreviewColumnLefts[at.column]), px(layout::kPreviewRowTops[at.row]), size,
            size};
}

QRegion Shown::previewSlots(const GameState& state) {
    QRegion changed;
    for (int slot = 0; slot < kPreviewSlots; ++slot)
        if (hasPreviewCell(slot) && (!preview_ || (*preview_)[slot] != state.previewCell[slot]))
            changed += previewSlot(slot);
    preview_ = state.previewCell;
    return changed;
}

std::array<bool, kBombSlots> Shown::bombSlots(const GameState& state) {
    std::array<bool, kBombSlots> changed{};
    for (int k = 0; k < kBombSlots; ++k) changed[k] = !bombs_ || (*bombs_)[k] != state.bombSolid[k];
    bombs_ = state.bombSolid;
    return changed;
}

QRect Shown::xpBar(const GameState& state, QSize size) {
    const ProgressImage& now = state.picXP;
    const std::optional<ProgressImage> before = std::exchange(xp_, now);
    if (!before || before->painted != now.painted || before->back != now.back ||
        before->fore != now.fore)
        return {QPoint(0, 0), size};
    const auto edge = [&](int filled) {
        return std::clamp(int(std::floor(filled / double(layout::kTwipsPerPixel))), 0,
                          size.width());
    };
    const int left = edge(std::min(before->filled, now.filled));
    // The fill's end lands inside a pixel; that pixel is repainted too.
    const int right = std::min(size.width(), edge(std::max(before->filled, now.filled)) + 1);
    if (before->filled == now.filled) return {};
    return {left, 0, right - left, size.height()};
}

QRect Shown::hourglass(double fill, qreal ratio, QSize size) {
    const std::optional<double> before = std::exchange(fill_, fill);
    const int now = hourglassBar(fill, ratio);
    if (!before) return {QPoint(0, 0), size};
    const int was = hourglassBar(*before, ratio);
    if (now == was) return {};
    const int top = int(std::floor(std::min(now, was) / ratio));
    const int bottom = int(std::ceil(std::max(now, was) / ratio));
    return {0, top, size.width(), bottom - top};
}

QRect coverDevicePixels(const QRect& area, qreal ratio) {
    if (area.isEmpty() || ratio == std::floor(ratio)) return area;
    return area.adjusted(-1, -1, 1, 1);
}

}  // namespace quazzle
