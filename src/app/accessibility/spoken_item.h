// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "accessibility/leaf_accessible.h"

namespace quazzle::accessibility {

// Static text painted inside a control, with no widget of its own: it lies in `area` of `host`
// and belongs to the window. It says what `name` gives at each look.
class SpokenItem : public LeafAccessible {
  public:
    using Speech = std::function<QString()>;
    SpokenItem(QWidget* host, QRect area, Speech name);

    bool isValid() const override { return !host_.isNull(); }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

  private:
    QPointer<QWidget> host_;
    QRect area_;
    Speech name_;
};

}  // namespace quazzle::accessibility
