// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <string_view>

namespace quazzle::accessibility {

// The game window. Its children are its controls as a screen reader should meet them: the three
// bomb slots as one, and the level, painted inside the preview box, as a text of its own.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* window);
    ~WindowAccessible() override;

    // The control named `name` (see control_names.h), or nullptr.
    QAccessibleInterface* control(std::string_view name) const;

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QList<QAccessibleInterface*> children() const;
    QAccessibleInterface* level() const;

    mutable QAccessible::Id levelId_ = 0;
};

}  // namespace quazzle::accessibility
