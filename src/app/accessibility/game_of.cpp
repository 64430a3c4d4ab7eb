// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/game_of.h"

#include "form1.h"

namespace quazzle::accessibility {

const GameState* gameOf(QWidget* widget) {
    auto* form = widget ? qobject_cast<Form1*>(widget->window()) : nullptr;
    return form ? &form->game().state() : nullptr;
}

}  // namespace quazzle::accessibility
