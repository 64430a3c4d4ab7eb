// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QRegion>
#include <QtGlobal>
#include <array>
#include <optional>

#include "board/preview.h"
#include "game/game_state.h"

namespace quazzle {

// What the window last showed of the controls that change during play, so that a change
// repaints only the part that looks different.
class Shown {
  public:
    // The preview slots whose colour changed, in the preview box's pixels.
    QRegion previewSlots(const GameState& state);
    // The bomb slots whose picture changed.
    std::array<bool, kBombSlots> bombSlots(const GameState& state);
    // The part of the experience bar that changed, in its pixels; all of it when its colours did.
    QRect xpBar(const GameState& state, QSize size);
    // The rows of the hourglass between the old and the new end of the bar, at `ratio`.
    QRect hourglass(double fill, qreal ratio, QSize size);

    // A preview slot's square, in the preview box's pixels.
    static QRect previewSlot(int slot);

  private:
    std::optional<PreviewCells> preview_;
    std::optional<std::array<bool, kBombSlots>> bombs_;
    std::optional<ProgressImage> xp_;
    std::optional<double> fill_;
};

// Widens an area to whole device pixels' worth of window pixels: at a fractional ratio a device
// pixel straddles two window pixels.
QRect coverDevicePixels(const QRect& area, qreal ratio);

}  // namespace quazzle
