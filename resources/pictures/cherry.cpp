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

struct Cherry {
    QPointF centre;
    qreal radius;
};

}  // namespace

void paintCherries(QPainter& p, bool halo) {
    const std::array<Cherry, 2> cherries{{{{9.3, 21.2}, 6.3}, {{20.3, 22.0}, 6.3}}};
    const QPointF joint(17.5, 5.0);

    const QPointF leftBase(cherries[0].centre.x() + 0.8, cherries[0].centre.y() - 5.6);
    const QPointF rightBase(cherries[1].centre.x() - 0.3, cherries[1].centre.y() - 5.8);
    QPainterPath stems(leftBase);
    stems.cubicTo(QPointF(11.0, 11.0), QPointF(14.0, 7.0), joint);
    stems.moveTo(rightBase);
    stems.cubicTo(QPointF(19.8, 12.0), QPointF(18.5, 8.0), joint);

    QPainterPath leaf(joint);
    leaf.cubicTo(QPointF(19.5, 0.8), QPointF(25.5, 1.0), QPointF(27.5, 3.6));
    leaf.cubicTo(QPointF(24.5, 6.8), QPointF(20.0, 7.2), joint);

    QPainterPath berries;
    for (const Cherry& c : cherries) {
        berries.addEllipse(c.centre, c.radius, c.radius);
    }

    if (halo) {
        // Light rim then dark rim, so the picture reads on black, grey and every palette colour.
        QPainterPathStroker stemStroke;
        stemStroke.setWidth(1.5);
        stemStroke.setCapStyle(Qt::RoundCap);
        // The gap between the stems is filled in so only the outer edge gets a rim.
        QPainterPath gap;
        gap.addPolygon(QPolygonF({leftBase, joint, rightBase}));
        gap.closeSubpath();
        const QPainterPath shape =
            berries.united(leaf).united(stemStroke.createStroke(stems)).united(gap).simplified();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 190), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
        p.setPen(QPen(QColor(0x20, 0x08, 0x08), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4A, 0x7A, 0x1C), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stems);

    QLinearGradient leafFill(QPointF(18, 2), QPointF(26, 6));
    leafFill.setColorAt(0.0, QColor(0x5E, 0xD6, 0x4A));
    leafFill.setColorAt(1.0, QColor(0x24, 0x8F, 0x24));
    p.setPen(QPen(QColor(0x1E, 0x6A, 0x1E), 0.7));
    p.setBrush(leafFill);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(0x1E, 0x6A, 0x1E), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18.5, 4.6), QPointF(25.5, 3.7));

    for (const Cherry& c : cherries) {
        QRadialGradient g(c.centre + QPointF(-c.radius * 0.35, -c.radius * 0.4), c.radius * 1.3);
        g.setColorAt(0.0, QColor(0xFF, 0x6A, 0x6A));
        g.setColorAt(0.4, QColor(0xE8, 0x10, 0x10));
        g.setColorAt(1.0, QColor(0x8A, 0x00, 0x08));
        p.setPen(QPen(QColor(0x5A, 0x00, 0x05), 0.8));
        p.setBrush(g);
        p.drawEllipse(c.centre, c.radius, c.radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(c.centre + QPointF(-c.radius * 0.38, -c.radius * 0.38), c.radius * 0.26,
                      c.radius * 0.2);
    }
}

QImage cherry(qreal ratio) {
    QImage img = blankImage(kCherrySize, ratio);
    QPainter p(&img);
    beginPainter(p);
    paintCherries(p, true);
    return img;
}

}  // namespace quazzle::art
