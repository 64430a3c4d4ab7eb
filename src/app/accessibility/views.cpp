// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/views.h"

#include <QAccessibleWidget>
#include <functional>
#include <unordered_map>
#include <utility>

#include "accessibility/board_accessible.h"
#include "accessibility/panel_accessible.h"
#include "accessibility/window_accessible.h"
#include "board_widget.h"
#include "play_again_box.h"

namespace quazzle::accessibility {

namespace {
using Maker = std::function<QAccessibleInterface*()>;

// The views on offer, by the widget they show.
std::unordered_map<const QObject*, Maker>& offers() {
    static std::unordered_map<const QObject*, Maker> offers;
    return offers;
}

QAccessibleInterface* make(const QString&, QObject* object) {
    if (const auto offer = offers().find(object); offer != offers().end()) return offer->second();
    // A message box would be an alert; this one is the question that ends every game.
    if (auto* box = qobject_cast<PlayAgainBox*>(object))
        return new QAccessibleWidget(box, QAccessible::Dialog);
    return nullptr;
}
}  // namespace

Views::Views(QWidget& window, const Game& game) : parts_(window, game) {
    // Installing twice is harmless.
    QAccessible::installFactory(make);
    offers()[&window] = [this] { return new WindowAccessible(parts_); };
    offered_.push_back(&window);
}

Views::~Views() {
    for (const QObject* object : offered_) offers().erase(object);
}

void Views::setControls(const Controls& controls) {
    parts_.setControls(controls);
    const auto offer = [this](QWidget* widget, Maker maker) {
        offers()[widget] = std::move(maker);
        offered_.push_back(widget);
    };
    offer(controls.board,
          [this, board = controls.board] { return new BoardAccessible(board, parts_); });
    const std::pair<QWidget*, const PaintedControl*> panels[] = {
        {controls.hourglass, &painted::kHourglass},
        {controls.preview, &painted::kPreview},
        {controls.experience, &painted::kExperience},
        {controls.instructions, &painted::kInstructions},
        {controls.bombs, &painted::kBombs},
        {controls.score, &painted::kScore},
    };
    for (const auto& [panel, control] : panels)
        offer(panel, [this, widget = panel, says = control] {
            return new PanelAccessible(widget, *says, parts_);
        });
}

}  // namespace quazzle::accessibility
