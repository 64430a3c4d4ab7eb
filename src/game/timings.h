// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

// How long things take, in one place.
namespace quazzle::timing {

// Timer intervals in milliseconds.
inline constexpr int kHourglassTickMs = 1;
inline constexpr int kFirstCherryMs = 5000;
inline constexpr int kCherryRearmMinMs = 15000;
inline constexpr int kCherryRearmSpanMs = 15001;  // 15000 to 30000 inclusive
inline constexpr int kBombEarnMs = 30000;

// Waits in seconds.
inline constexpr double kLineFlash = 0.02;
inline constexpr double kBombFlash = 0.1;
inline constexpr double kDemoStep = 0.07;
inline constexpr double kBetweenEndSounds = 1.3;
inline constexpr double kSweepStep = 0.001;
inline constexpr double kBeforeDemoRestart = 1;

}  // namespace quazzle::timing
