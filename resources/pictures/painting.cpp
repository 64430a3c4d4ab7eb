// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "painting.h"

#include <QLinearGradient>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace quazzle::art {

QImage blankImage(QSize size, qreal ratio, const QColor& fill) {
    // Rounded up, so a fractional ratio never crops the picture's last row or column.
    QImage img(int(std::ceil(size.width() * ratio - 1e-6)),
               int(std::ceil(size.height() * ratio - 1e-6)), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(ratio);
    img.fill(fill);
    return img;
}

void beginPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void drawBlock(QPainter& p, const QRectF& r, const QColor& c) {
    const qreal radius = r.width() * 0.2;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, c.lighter(135));
    g.setColorAt(0.5, c);
    g.setColorAt(1.0, c.darker(125));
    p.setPen(QPen(c.darker(170), std::max<qreal>(1.0, r.width() / 16.0)));
    const qreal inset = p.pen().widthF() / 2;
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);

    // Shine along the top edge; kept faint so small blocks stay crisp.
    QRectF shine(r.left() + r.width() * 0.2, r.top() + r.height() * 0.12, r.width() * 0.6,
                 r.height() * 0.16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(shine, shine.height() / 2, shine.height() / 2);
}

}  // namespace quazzle::art
