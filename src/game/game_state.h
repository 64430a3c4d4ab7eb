// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board/board.h"
#include "board/preview.h"
#include "game/layout.h"
#include "game/platform.h"

namespace quazzle {

// An interval timer's settings: interval 0 means no ticks.
struct TimerSetting {
    int interval = 0;
    bool enabled = true;
};

// The persistent image of a painted progress bar, in twips.
struct ProgressImage {
    int width = layout::kXpBar.width;
    bool painted = false;
    Colour back = 0;
    Colour fore = 0;
    int filled = 0;  // width of the part in the fore colour
};

// The most bombs a player holds: one for each slot of the panel.
inline constexpr int kBombSlots = int(layout::kBombLefts.size());
// Cleared lines that make a level; the experience bar's full scale.
inline constexpr int kLinesPerLevel = 5;
// The demo's restart paints its empty bar against a scale of its own.
inline constexpr int kDemoRestartBarScale = 10;
inline constexpr int kLevelLabels = 4;

// Everything one game window holds: the board, the piece in hand and every game variable.
struct GameState {
    Board picCell;
    PreviewCells previewCell = [] {
        PreviewCells cells;
        cells.fill(colour::kPreviewBlank);
        return cells;
    }();
    std::string Tag;  // colour of the piece in hand, as decimal text
    std::string thePiece;

    std::int32_t Score = 0;
    std::int32_t TopScore = 0;
    std::int32_t theLevel = 1;
    std::int32_t theXP = 0;
    std::int32_t Bombs = 0;
    bool isDemo = false;

    std::array<std::string, kLevelLabels> lblMyLevel = {"1", "1", "1", "1"};
    std::string lblScore = "0   0";
    double lblScoreWidth = layout::kScoreLabel.width;
    double line1X = layout::kScoreLabel.left;
    double hourglassFill = layout::kHourglassStartFill;  // height of the black bar
    ProgressImage picXP;
    std::array<bool, kBombSlots> bombSolid{};
    bool startButtonVisible = true;
    int image1Left = 0;
    int image1Top = 0;

    std::array<TimerSetting, kTimerCount> timers = {TimerSetting{0, true}, TimerSetting{0, true},
                                                    TimerSetting{30000, true}};
};

}  // namespace quazzle
