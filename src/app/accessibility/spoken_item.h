// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

namespace quazzle {

struct GameState;

namespace accessibility {

// Static text painted inside a control, with no widget of its own: it shares the area of `host`
// and belongs to the window.
class SpokenItem : public QAccessibleInterface {
  public:
    using Speech = QString (*)(const GameState&);
    SpokenItem(QWidget* host, Speech name);

    bool isValid() const override { return !host_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

  private:
    QPointer<QWidget> host_;
    Speech name_;
};

}  // namespace accessibility
}  // namespace quazzle
