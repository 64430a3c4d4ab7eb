// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

// Where everything stands on the window, in twips (15 to a pixel at 100 % scale).
namespace quazzle::layout {

inline constexpr int kTwipsPerPixel = 15;

struct Rect {
    int left, top, width, height;
};

inline constexpr int kClientWidth = 8115;
inline constexpr int kClientHeight = 5865;

// Board cells: column c, row r at (kCellLeft + kCellPitch c, kCellTop + kCellPitch r).
inline constexpr int kCellLeft = 360;
inline constexpr int kCellTop = 120;
inline constexpr int kCellPitch = 480;
inline constexpr int kCellSize = 495;
// Pointer positions inside a cell outside [kRimLow, kRimHigh] count as its rim.
inline constexpr float kRimLow = 20;
inline constexpr float kRimHigh = 400;

inline constexpr Rect kHourglass{120, 120, 135, 4815};
inline constexpr int kHourglassFull = 4815;
inline constexpr int kHourglassStep = 7;
inline constexpr int kHourglassStartFill = 15;

inline constexpr Rect kXpBar{360, 4980, 4815, 135};
inline constexpr int kBombTop = 5260;
// One slot for each bomb a player can hold.
inline constexpr std::array<int, 3> kBombLefts = {360, 840, 1320};
inline constexpr int kBombWidth = 450;
inline constexpr int kBombHeight = 435;

inline constexpr Rect kScoreLabel{3960, 5160, 1185, 570};
inline constexpr int kLineBottom = 5790;

inline constexpr Rect kStartButton{2160, 2400, 1215, 315};

inline constexpr Rect kPreviewBox{5430, 120, 2555, 2655};
inline constexpr int kPreviewCellSize = 435;
inline constexpr int kPreviewColumnLefts[5] = {180, 615, 1050, 1485, 1920};
inline constexpr int kPreviewRowTops[5] = {180, 630, 1080, 1530, 1980};
// Level labels 0..3: top left, top right, bottom left, bottom right of the preview box.
inline constexpr int kLevelLabelLefts[4] = {60, 2370, 60, 2370};
inline constexpr int kLevelLabelTops[4] = {30, 30, 2400, 2400};
inline constexpr int kLevelLabelWidth = 900;
inline constexpr int kLevelLabelHeight = 240;
// The right-hand labels keep their one-digit place and grow leftwards, so they stay in the box.
inline constexpr bool kLevelLabelGrowsLeft[4] = {false, true, false, true};

inline constexpr Rect kInstructionsFrame{5430, 2880, 2565, 2910};
inline constexpr int kInstructionsWidth = 2535;
inline constexpr int kInstructionsHeight = 2880;
// The score text ends at least a pixel before the instructions frame.
inline constexpr int kScoreRoom = kInstructionsFrame.left - kScoreLabel.left - kTwipsPerPixel;

constexpr Rect cellRect(int index) {
    return {kCellLeft + kCellPitch * (index % 10), kCellTop + kCellPitch * (index / 10), kCellSize,
            kCellSize};
}

}  // namespace quazzle::layout
