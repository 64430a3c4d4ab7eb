// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessible>
#include <QTimer>
#include <QVariant>
#include <array>
#include <bitset>

#include "board/board.h"
#include "flow/platform.h"

class QWidget;

namespace quazzle::accessibility {

class WindowAccessible;

// Tells assistive technology what the rules changed. Changes are gathered and told once the
// routine that made them waits or ends, and only where what a control says is new: a cell that
// flickers back to what it was says nothing. Without assistive technology it does nothing at all.
class Announcer {
  public:
    explicit Announcer(QWidget& window);

    void changed(Region region, int index) {
        if (QAccessible::isActive()) note(region, index);
    }

  private:
    static constexpr int kRegionCount = int(Region::StartButton) + 1;

    void note(Region region, int index);
    void flush();
    void tellCells(const WindowAccessible& window);
    void tellRegions(const WindowAccessible& window);

    QWidget& window_;
    QTimer flush_;
    std::bitset<kCellCount> cellsDue_;
    std::bitset<kRegionCount> regionsDue_;
    std::array<QVariant, kCellCount> cellsSaid_;
    std::array<QVariant, kRegionCount> regionsSaid_;
};

}  // namespace quazzle::accessibility
