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

// What a prompt over the game window says beyond its `text`: the score the game ended with.
QString promptDescription(QWidget* parent, const QString& text);

}  // namespace accessibility
}  // namespace quazzle
