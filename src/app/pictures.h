// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>

namespace quazzle {

// The pictures, drawn for the screen the window is on.
class Pictures {
  public:
    // Draws them afresh for `ratio` device pixels a window pixel, unless they already are.
    void drawFor(qreal ratio);

    const QPixmap& instructions() const { return instructions_; }
    const QPixmap& bomb(bool solid) const { return solid ? bombSolid_ : bombOutline_; }
    const QPixmap& cherry() const { return cherry_; }

  private:
    qreal ratio_ = 0;
    QPixmap instructions_;
    QPixmap bombOutline_;
    QPixmap bombSolid_;
    QPixmap cherry_;
};

}  // namespace quazzle
