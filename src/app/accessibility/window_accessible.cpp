// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/window_accessible.h"

#include <QWidget>

#include "accessibility/control_names.h"
#include "accessibility/spoken.h"
#include "accessibility/spoken_item.h"
#include "game/layout.h"
#include "pixels.h"

namespace quazzle::accessibility {

namespace {
QWidget* childNamed(const QWidget* window, std::string_view name) {
    return window->findChild<QWidget*>(QString::fromLatin1(name.data(), qsizetype(name.size())),
                                       Qt::FindDirectChildrenOnly);
}

// The level is read where its top-left label is painted; the rest of the box is the piece.
QRect levelArea() {
    return {px(layout::kLevelLabelLefts[0]), px(layout::kLevelLabelTops[0]),
            px(layout::kLevelLabelWidth), px(layout::kLevelLabelHeight)};
}

bool speaksThroughFirstBomb(const QString& name) {
    return name == QLatin1String(controls::kBombs[1]) || name == QLatin1String(controls::kBombs[2]);
}
}  // namespace

WindowAccessible::WindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

WindowAccessible::~WindowAccessible() {
    if (levelId_) QAccessible::deleteAccessibleInterface(levelId_);
}

QAccessibleInterface* WindowAccessible::control(std::string_view name) const {
    if (name == controls::kLevel) return level();
    QWidget* w = childNamed(widget(), name);
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

QAccessibleInterface* WindowAccessible::level() const {
    QWidget* preview = childNamed(widget(), controls::kPreview);
    if (!preview) return nullptr;
    if (!levelId_)
        levelId_ = QAccessible::registerAccessibleInterface(
            new SpokenItem(preview, levelArea(), spoken::level));
    return QAccessible::accessibleInterface(levelId_);
}

QList<QAccessibleInterface*> WindowAccessible::children() const {
    QList<QAccessibleInterface*> list;
    for (QObject* object : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (!w || w->isWindow() || speaksThroughFirstBomb(w->objectName())) continue;
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w))
            list.append(iface);
        if (w->objectName() == QLatin1String(controls::kPreview)) list.append(level());
    }
    return list;
}

QAccessibleInterface* WindowAccessible::child(int index) const {
    const QList<QAccessibleInterface*> list = children();
    return index >= 0 && index < list.size() ? list[index] : nullptr;
}

QAccessibleInterface* WindowAccessible::childAt(int x, int y) const {
    QAccessibleInterface* levelText = level();
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
