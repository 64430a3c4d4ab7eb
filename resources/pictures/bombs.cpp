// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>
#include <numbers>

#include "artwork.h"
#include "painting.h"

namespace quazzle::art {

namespace {

const QPointF kBombCentre(12.5, 17.5);
constexpr qreal kBombRadius = 10.5;
const QPointF kSparkCentre(26.0, 3.8);

// The neck sits on the body's upper right, pointing away from the centre.
QPainterPath bombNeckPath() {
    QPainterPath neck;
    neck.addRoundedRect(QRectF(-3.4, -2.6, 6.8, 5.2), 1.0, 1.0);
    QTransform t;
    t.translate(kBombCentre.x() + 7.9, kBombCentre.y() - 7.9);
    t.rotate(45);
    return t.map(neck);
}

QPainterPath bombBodyPath() {
    QPainterPath body;
    body.addEllipse(kBombCentre, kBombRadius, kBombRadius);
    return body;
}

QPainterPath bombFusePath() {
    QPainterPath fuse(QPointF(22.2, 7.8));
    fuse.cubicTo(QPointF(23.0, 5.0), QPointF(24.2, 3.4), kSparkCentre);
    return fuse;
}

void drawSpark(QPainter& p, const QPointF& c, qreal outer, qreal inner, int points,
               const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = std::numbers::pi * i / points - std::numbers::pi / 2;
        const qreal r = (i % 2 == 0) ? outer : inner;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) {
            star.moveTo(pt);
        } else {
            star.lineTo(pt);
        }
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

}  // namespace

QImage bombOutline(qreal ratio) {
    QImage img = blankImage(kBombSize, ratio);
    QPainter p(&img);
    beginPainter(p);

    p.setPen(QPen(QColor(0xA8, 0xA8, 0xA8), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xF2, 0xF2, 0xF2));
    p.drawPath(bombBodyPath().united(bombNeckPath()));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xB8, 0xB8, 0xB8), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bombFusePath());
    return img;
}

QImage bombSolid(qreal ratio) {
    QImage img = blankImage(kBombSize, ratio);
    QPainter p(&img);
    beginPainter(p);

    QRadialGradient g(QPointF(9.0, 13.5), 14.0);
    g.setColorAt(0.0, QColor(0x6A, 0x6A, 0x6A));
    g.setColorAt(0.45, QColor(0x22, 0x22, 0x22));
    g.setColorAt(1.0, QColor(0x00, 0x00, 0x00));
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(QColor(0x38, 0x38, 0x38));
    p.drawPath(bombNeckPath());
    p.setBrush(g);
    p.drawPath(bombBodyPath());

    // Specular highlight, upper left.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.save();
    p.translate(8.2, 12.6);
    p.rotate(-40);
    p.drawEllipse(QRectF(-3.2, -1.8, 6.4, 3.6));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8B, 0x5A, 0x2B), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bombFusePath());

    drawSpark(p, kSparkCentre, 3.8, 1.5, 8, QColor(0xFF, 0x80, 0x00));
    drawSpark(p, kSparkCentre, 2.4, 1.0, 8, QColor(0xFF, 0xE0, 0x30));
    p.setBrush(Qt::white);
    p.drawEllipse(kSparkCentre, 0.8, 0.8);
    return img;
}

}  // namespace quazzle::art
