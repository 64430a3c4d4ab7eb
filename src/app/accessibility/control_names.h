// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

namespace quazzle::controls {

// Object names of the window's controls. From Qt 6.8 on, they make the identifiers assistive
// technology is given for the controls.
inline constexpr char kBoard[] = "board";
inline constexpr char kHourglass[] = "hourglass";
inline constexpr char kPreview[] = "preview";
inline constexpr char kExperience[] = "experience";
inline constexpr char kInstructions[] = "instructions";
inline constexpr std::array<const char*, 3> kBombs = {"bomb1", "bomb2", "bomb3"};
inline constexpr char kScore[] = "score";
inline constexpr char kStartButton[] = "startButton";

}  // namespace quazzle::controls
