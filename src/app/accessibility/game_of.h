// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace quazzle {

struct GameState;

namespace accessibility {

// The state of the game whose window holds `widget`, or nullptr outside a game window.
const GameState* gameOf(QWidget* widget);

}  // namespace accessibility
}  // namespace quazzle
