// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "device_pixels.h"
#include "front/board_pointer.h"
#include "front/look.h"
#include "qt_colour.h"

namespace quazzle {

namespace {
constexpr int kPitch = kBoardPitchPixels;
constexpr int kSize = kBoardCellPixels;
const QColor kGridLine = toQColor(look::kGridLine);
}  // namespace

BoardWidget::BoardWidget(QWidget* parent, Game& game, Pictures& pictures)
    : QWidget(parent), game_(game), pictures_(pictures) {
    setGeometry(kBoardLeftPixels, kBoardTopPixels, kBoardSidePixels, kBoardSidePixels);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect BoardWidget::cellRect(int index) {
    return {kPitch * columnOf(index), kPitch * rowOf(index), kSize, kSize};
}

int BoardWidget::cellAt(QPointF pos, QPointF* inside) {
    const CellPoint at = quazzle::cellAt(pos.x(), pos.y());
    if (inside) *inside = QPointF(at.x, at.y);
    return at.index;
}

void BoardWidget::refreshCell(int index) { update(cellRect(index)); }

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    pictures_.drawFor(devicePixelRatioF());
    DevicePixels device(painter, devicePixelRatioF());
    const GameState& s = game_.state();
    // Neighbours share their edge line, at every scale: a cell is one pitch and one line wide.
    const int pitch = device.at(kPitch);
    const int size = pitch + device.line();
    // Where the widget ends half a device pixel beyond the last cell, the window shows.
    const int end = pitch * (kBoardSide - 1) + size;
    device.fillInDevicePixels(QRect(end, 0, size, end + size), Qt::white);
    device.fillInDevicePixels(QRect(0, end, end + size, size), Qt::white);
    for (int i = 0; i < kCellCount; ++i) {
        if (!cellRect(i).intersects(event->rect())) continue;
        const QRect cell(pitch * columnOf(i), pitch * rowOf(i), size, size);
        device.boxInDevicePixels(cell, toQColor(s.picCell[i].backColor), kGridLine);
        if (s.picCell[i].picture == Picture::Cherry)
            device.pictureInDevicePixels(cell.topLeft() + QPoint(device.at(2), device.at(2)),
                                         pictures_.cherry());
    }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    QPointF inside;
    const int index = cellAt(event->position(), &inside);
    setPointerCell(index);
    // A switched-off cell lets the pointer through to the window behind it.
    if (!game_.state().picCell[index].enabled) {
        game_.backgroundMoved();
        return;
    }
    game_.pointerMoved(index, float(inside.x()), float(inside.y()));
}

void BoardWidget::leaveEvent(QEvent* event) {
    setPointerCell(-1);
    QWidget::leaveEvent(event);
}

void BoardWidget::setPointerCell(int index) {
    if (index == pointerCell_) return;
    const int was = std::exchange(pointerCell_, index);
    emit pointerCellChanged(was, index);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? cellAt(event->position()) : -1;
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int index = pressed_;
    pressed_ = -1;
    if (event->button() != Qt::LeftButton || index < 0) return;
    if (!cellRect(index).contains(event->position().toPoint())) return;
    game_.clicked(index);
}

}  // namespace quazzle
