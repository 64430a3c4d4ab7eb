// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QTransform>
#include <algorithm>

#include "front/device_pixel.h"

namespace quazzle {

// Paints in whole device pixels, so cell edges and bars meet exactly at any screen scale: a
// rectangle's edges go to the device pixels they round to, and an edge line is a whole number of
// device pixels wide. At scale 1 this is plain pixel painting.
class DevicePixels {
  public:
    DevicePixels(QPainter& p, qreal ratio) : p_(p), ratio_(ratio) {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    }
    ~DevicePixels() { p_.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    int at(double windowPixels) const { return devicePixel(windowPixels, ratio_); }
    QRect map(const QRectF& r) const {
        const int left = at(r.left());
        const int top = at(r.top());
        return {left, top, at(r.right()) - left, at(r.bottom()) - top};
    }

    void fill(const QRectF& r, const QColor& colour) { p_.fillRect(map(r), colour); }
    void fillInDevicePixels(const QRect& d, const QColor& colour) { p_.fillRect(d, colour); }

    // An edge line: one window pixel, as a whole number of device pixels.
    int line() const { return std::max(1, int(ratio_)); }

    // A filled square with a one-pixel edge inside it, as the board and preview cells are drawn.
    void box(const QRectF& r, const QColor& fill, const QColor& edge) {
        boxInDevicePixels(map(r), fill, edge);
    }
    void boxInDevicePixels(const QRect& d, const QColor& fill, const QColor& edge) {
        p_.fillRect(d, edge);
        p_.fillRect(d.adjusted(line(), line(), -line(), -line()), fill);
    }

    // A picture drawn for this ratio, one image pixel to one device pixel.
    void picture(QPoint topLeft, const QPixmap& pixmap) {
        pictureInDevicePixels(QPoint(at(topLeft.x()), at(topLeft.y())), pixmap);
    }
    void pictureInDevicePixels(QPoint topLeft, const QPixmap& pixmap) {
        p_.drawPixmap(QRect(topLeft, pixmap.size()), pixmap);
    }

  private:
    QPainter& p_;
    qreal ratio_;
};

}  // namespace quazzle
