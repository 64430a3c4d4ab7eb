// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <algorithm>

namespace quazzle {

// Where a window of `size` opens on a screen whose free area is `available`: in its middle, but
// never with its top-left corner, and so its title bar, off that area. A window larger than the
// area hangs off its right and bottom edges instead.
inline QPoint placeWindow(const QRect& available, const QSize& size) {
    const QPoint centred = available.center() - QRect(QPoint(0, 0), size).center();
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

}  // namespace quazzle
