// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include "accessibility/window_parts.h"

namespace quazzle::accessibility {

// The game window. Its children are its controls as a screen reader should meet them: the three
// bomb slots as one, and the level, painted inside the preview box, as a text of its own.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(const WindowParts& parts);

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QList<QAccessibleInterface*> children() const;

    QPointer<const WindowParts> parts_;
};

}  // namespace quazzle::accessibility
