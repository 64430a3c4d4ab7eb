// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/install.h"

#include <QAccessibleWidget>

#include "accessibility/board_accessible.h"
#include "accessibility/panel_accessible.h"
#include "accessibility/window_accessible.h"
#include "board_widget.h"
#include "form1.h"
#include "play_again_box.h"

namespace quazzle::accessibility {

namespace {
QAccessibleInterface* make(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* board = qobject_cast<BoardWidget*>(widget)) return new BoardAccessible(board);
    if (qobject_cast<Form1*>(widget)) return new WindowAccessible(widget);
    // A message box would be an alert; this one is the question that ends every game.
    if (qobject_cast<PlayAgainBox*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (qobject_cast<Panel*>(widget))
        if (const PaintedControl* control = findPaintedControl(widget->objectName().toStdString()))
            return new PanelAccessible(widget, *control);
    return nullptr;
}
}  // namespace

void install() { QAccessible::installFactory(make); }

}  // namespace quazzle::accessibility
