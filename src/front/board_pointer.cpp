// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "front/board_pointer.h"

#include <algorithm>

#include "board/board.h"

namespace quazzle {

CellPoint cellAt(double x, double y) {
    const int column = std::clamp(int(x) / kBoardPitchPixels, 0, kBoardSide - 1);
    const int row = std::clamp(int(y) / kBoardPitchPixels, 0, kBoardSide - 1);
    return {row * kBoardSide + column,
            float((x - column * kBoardPitchPixels) * layout::kTwipsPerPixel),
            float((y - row * kBoardPitchPixels) * layout::kTwipsPerPixel)};
}

}  // namespace quazzle
