// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/spoken_item.h"

#include <QWindow>
#include <utility>

namespace quazzle::accessibility {

SpokenItem::SpokenItem(QWidget* host, QRect area, Speech name)
    : host_(host), area_(area), name_(std::move(name)) {}

QWindow* SpokenItem::window() const { return host_ ? host_->window()->windowHandle() : nullptr; }

QAccessibleInterface* SpokenItem::parent() const {
    return host_ ? QAccessible::queryAccessibleInterface(host_->window()) : nullptr;
}

QString SpokenItem::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? name_() : QString();
}

QRect SpokenItem::rect() const {
    return host_ ? QRect(host_->mapToGlobal(area_.topLeft()), area_.size()) : QRect();
}

QAccessible::State SpokenItem::state() const {
    QAccessible::State s;
    s.invisible = !host_ || !host_->isVisible();
    return s;
}

}  // namespace quazzle::accessibility
