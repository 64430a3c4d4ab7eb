// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "board/colours.h"

// The window's own colours, beside the game's: what every front end paints around the cells.
// Laid out 0x00BBGGRR, as the game's colours are.
namespace quazzle::look {

inline constexpr Colour kWindow = 0xFFFFFF;
inline constexpr Colour kText = 0x000000;
// The edge line of every board cell, shared with its neighbours.
inline constexpr Colour kGridLine = 0x262626;
// A picture box that shows nothing of its own yet (the experience bar before it is painted).
inline constexpr Colour kPictureBoxFace = 0xF0F0F0;
// The instructions picture's frame.
inline constexpr Colour kFrameEdge = 0xA0A0A0;
inline constexpr Colour kPreviewBack = 0xC0C0C0;
inline constexpr Colour kPreviewEdge = 0x909090;
inline constexpr Colour kHourglassEmpty = 0x0000FF;
inline constexpr Colour kHourglassFill = 0x000000;
// The start button: drawn in its own colour, whatever the desktop's style.
inline constexpr Colour kStartFace = 0x00FF00;
inline constexpr Colour kStartBorder = 0x00B000;
inline constexpr int kStartBorderPixels = 2;

// The sizes of the window's two fonts ("Verdana" bold), in points.
inline constexpr double kScorePoints = 24;
inline constexpr double kSmallPoints = 8.25;

}  // namespace quazzle::look
