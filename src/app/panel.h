// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <utility>

namespace quazzle {

// A control that paints itself from the game's state. Like any control it takes the pointer
// moves over it, so they never reach the window's own background.
class Panel : public QWidget {
  public:
    using Painter = std::function<void(QPainter&, const QRect&)>;

    Panel(QWidget* parent, const QRect& geometry, Painter painter)
        : QWidget(parent), paint_(std::move(painter)) {
        setGeometry(geometry);
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        paint_(painter, event->rect());
    }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }

  private:
    Painter paint_;
};

}  // namespace quazzle
