// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <optional>

#include "game/game.h"

namespace quazzle::web {

// The page's pointer, as the window's controls take it: over the board it goes to the cell under
// it, over a switched-off cell, the start button or the window's own background it wipes the
// hover marks, and the other controls keep it to themselves. A click is a press and a release of
// the left button on the same cell.
class Pointer {
  public:
    // `moved` hears the cell under the pointer change (-1 off the board).
    Pointer(Game& game, std::function<void(int was, int now)> moved)
        : game_(game), moved_(std::move(moved)) {}

    // Positions are in window pixels from the client area's top-left corner.
    void move(double x, double y);
    void press(double x, double y);
    void release(double x, double y);
    void leave();

    int cell() const { return cell_; }

  private:
    enum class Target { Board, Background, Control };
    Target targetAt(double x, double y) const;
    void setCell(int index);

    Game& game_;
    std::function<void(int, int)> moved_;
    int cell_ = -1;
    int pressed_ = -1;
    std::optional<std::pair<double, double>> at_;  // where the last move went
};

}  // namespace quazzle::web
