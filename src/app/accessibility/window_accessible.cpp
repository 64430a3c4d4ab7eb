// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/window_accessible.h"

#include <QWidget>
#include <initializer_list>

#include "board_widget.h"

namespace quazzle::accessibility {

WindowAccessible::WindowAccessible(const WindowParts& parts)
    : QAccessibleWidget(&parts.window(), QAccessible::Window), parts_(&parts) {}

QList<QAccessibleInterface*> WindowAccessible::children() const {
    QList<QAccessibleInterface*> list;
    if (!parts_) return list;
    const Controls& c = parts_->controls();
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.board, c.hourglass, c.preview, c.experience,
                                         c.instructions, c.bombs, c.score, c.startButton}) {
        if (!w) continue;  // not made yet
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w))
            list.append(iface);
        if (w == c.preview) list.append(parts_->level());
    }
    return list;
}

QAccessibleInterface* WindowAccessible::child(int index) const {
    const QList<QAccessibleInterface*> list = children();
    return index >= 0 && index < list.size() ? list[index] : nullptr;
}

QAccessibleInterface* WindowAccessible::childAt(int x, int y) const {
    QAccessibleInterface* levelText = parts_ ? parts_->level() : nullptr;
    if (levelText && levelText->rect().contains(x, y)) return levelText;
    // Later controls lie on top: the start button covers the board until it hides.
    const QList<QAccessibleInterface*> list = children();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (!(*it)->state().invisible && (*it)->rect().contains(x, y)) return *it;
    return nullptr;
}

int WindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return int(children().indexOf(child));
}

}  // namespace quazzle::accessibility
