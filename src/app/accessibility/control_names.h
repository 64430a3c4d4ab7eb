// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quazzle::controls {

// Object names of the window's controls. From Qt 6.8 on, they make the identifiers assistive
// technology is given for the controls.
inline constexpr char kBoard[] = "board";
inline constexpr char kHourglass[] = "hourglass";
inline constexpr char kPreview[] = "preview";
inline constexpr char kExperience[] = "experience";
inline constexpr char kInstructions[] = "instructions";
// Bomb slots are named "bomb1", "bomb2", ... from the left.
inline constexpr char kBombPrefix[] = "bomb";
inline constexpr char kScore[] = "score";
inline constexpr char kStartButton[] = "startButton";

}  // namespace quazzle::controls
