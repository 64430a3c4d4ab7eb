// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QWidget;

namespace quazzle {

struct GameState;

namespace accessibility {

// The state of the game whose window holds `widget`, or nullptr outside a game window.
const GameState* gameOf(QWidget* widget);

// What the prompt that ends a game describes beside its question: the final and the best score.
QString promptDescription(QWidget* parent);

}  // namespace accessibility
}  // namespace quazzle
