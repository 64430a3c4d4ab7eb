// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/window_parts.h"

#include "accessibility/spoken_item.h"
#include "front/spoken.h"
#include "game/game.h"
#include "game/layout.h"
#include "pixels.h"

namespace quazzle::accessibility {

namespace {
// The level is read where its top-left label is painted; the rest of the box is the piece.
QRect levelArea() {
    return {px(layout::kLevelLabelLefts[0]), px(layout::kLevelLabelTops[0]),
            px(layout::kLevelLabelWidth), px(layout::kLevelLabelHeight)};
}
}  // namespace

WindowParts::WindowParts(QWidget& window, const Game& game) : window_(window), game_(game) {}

WindowParts::~WindowParts() {
    if (levelId_) QAccessible::deleteAccessibleInterface(levelId_);
}

const GameState& WindowParts::state() const { return game_.state(); }

QAccessibleInterface* WindowParts::level() const {
    if (!controls_.preview) return nullptr;
    if (!levelId_)
        levelId_ = QAccessible::registerAccessibleInterface(
            new SpokenItem(controls_.preview, levelArea(),
                           [this] { return QString::fromStdString(spoken::level(state())); }));
    return QAccessible::accessibleInterface(levelId_);
}

}  // namespace quazzle::accessibility
