// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "accessibility/leaf_accessible.h"

namespace quazzle::accessibility {

// Where Qt has no announcements, news is shown to assistive technology as a notification that
// belongs to the window but is not among its controls: the screen reader speaks a notification
// when it appears. Nothing of it is drawn.
class NoticeAccessible : public LeafAccessible {
  public:
    explicit NoticeAccessible(QWidget* window) : window_(window) {}

    void setWords(const QString& words) { words_ = words; }

    bool isValid() const override { return !window_.isNull(); }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? words_ : QString();
    }
    QRect rect() const override {
        return window_ ? QRect(window_->mapToGlobal(QPoint(0, 0)), window_->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    QPointer<QWidget> window_;
    QString words_;
};

}  // namespace quazzle::accessibility
