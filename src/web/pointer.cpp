// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "web/pointer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "front/board_pointer.h"
#include "game/layout.h"

namespace quazzle::web {

namespace {
// Twips to whole window pixels, as the window places its controls.
int px(double twips) { return int(std::lround(twips / layout::kTwipsPerPixel)); }

struct Box {
    int left, top, width, height;
    bool contains(double x, double y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

Box box(const layout::Rect& r) { return {px(r.left), px(r.top), px(r.width), px(r.height)}; }

// The painted controls, which take the pointer moves over them.
bool overControl(const GameState& s, double x, double y) {
    const Box score{px(layout::kScoreLabel.left), px(layout::kScoreLabel.top),
                    int(std::ceil(s.lblScoreWidth / layout::kTwipsPerPixel)),
                    px(layout::kLineBottom - layout::kScoreLabel.top)};
    const std::array<Box, 5> controls = {box(layout::kHourglass), box(layout::kPreviewBox),
                                         box(layout::kXpBar), box(layout::kInstructionsFrame),
                                         score};
    const auto bombAt = [&](int left) {
        return box({left, layout::kBombTop, layout::kBombWidth, layout::kBombHeight})
            .contains(x, y);
    };
    return std::ranges::any_of(controls, [&](const Box& b) { return b.contains(x, y); }) ||
           std::ranges::any_of(layout::kBombLefts, bombAt);
}

constexpr Box kBoard{kBoardLeftPixels, kBoardTopPixels, kBoardSidePixels, kBoardSidePixels};
}  // namespace

Pointer::Target Pointer::targetAt(double x, double y) const {
    const GameState& s = game_.state();
    // The start button lies over the board; the moves over it reach the window behind.
    if (s.startButtonVisible && box(layout::kStartButton).contains(x, y)) return Target::Background;
    if (kBoard.contains(x, y)) return Target::Board;
    return overControl(s, x, y) ? Target::Control : Target::Background;
}

void Pointer::setCell(int index) {
    if (index == cell_) return;
    const int was = std::exchange(cell_, index);
    moved_(was, index);
}

void Pointer::move(double x, double y) {
    at_ = {x, y};
    switch (targetAt(x, y)) {
        case Target::Board: {
            const CellPoint at = cellAt(x - kBoard.left, y - kBoard.top);
            setCell(at.index);
            // A switched-off cell lets the pointer through to the window behind it.
            if (game_.state().picCell[at.index].enabled)
                game_.pointerMoved(at.index, at.x, at.y);
            else
                game_.backgroundMoved();
            break;
        }
        case Target::Background:
            setCell(-1);
            game_.backgroundMoved();
            break;
        case Target::Control:
            setCell(-1);
            break;
    }
}

void Pointer::press(double x, double y) {
    // A tap comes without a move before it: the cell under it is hovered first.
    if (at_ != std::pair{x, y}) move(x, y);
    pressed_ = targetAt(x, y) == Target::Board ? cellAt(x - kBoard.left, y - kBoard.top).index : -1;
}

void Pointer::release(double x, double y) {
    const int index = std::exchange(pressed_, -1);
    if (index < 0) return;
    // The release counts where it lands in the pressed cell's own square, whole pixels.
    const double bx = std::round(x - kBoard.left);
    const double by = std::round(y - kBoard.top);
    const Box cell{kBoardPitchPixels * columnOf(index), kBoardPitchPixels * rowOf(index),
                   kBoardCellPixels, kBoardCellPixels};
    if (cell.contains(bx, by)) game_.clicked(index);
}

void Pointer::leave() {
    at_.reset();
    setCell(-1);
}

}  // namespace quazzle::web
