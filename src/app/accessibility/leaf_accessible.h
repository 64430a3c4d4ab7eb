// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleInterface>

namespace quazzle::accessibility {

// Something painted inside a control, with no widget and no children of its own.
class LeafAccessible : public QAccessibleInterface {
  public:
    LeafAccessible() = default;
    LeafAccessible(const LeafAccessible&) = delete;
    LeafAccessible& operator=(const LeafAccessible&) = delete;

    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
};

}  // namespace quazzle::accessibility
