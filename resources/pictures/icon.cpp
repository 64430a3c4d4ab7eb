// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include <QPixmap>
#include <array>

#include "artwork.h"
#include "painting.h"

namespace quazzle::art {

// A 3x3 board with the middle row completed in one colour: the game in one glance.
void paintIcon(QPainter& p, qreal size) {
    p.save();
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kCellGrey);
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 5, 5);

    const std::array<std::array<QColor, 3>, 3> colours{{
        {kRed, kTeal, kBlue},
        {kAmber, kAmber, kAmber},
        {kGreen, kPurple, kRed},
    }};
    // Glow behind the completed row, so it reads as "about to clear".
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(1, 11, 30, 10), 3, 3);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            drawBlock(p, QRectF(2 + col * 10, 2 + row * 10, 8, 8), colours[row][col]);
        }
    }
    p.restore();
}

QImage icon(int size) {
    QImage img = blankImage(QSize(size, size), 1.0);
    QPainter p(&img);
    beginPainter(p);
    // Painted in bands of a few rows: Qt blends a large translucent fill on pooled threads,
    // which the game would then keep for nothing.
    constexpr int kBandRows = 8;
    for (int top = 0; top < size; top += kBandRows) {
        p.setClipRect(0, top, size, kBandRows);
        paintIcon(p, size);
    }
    return img;
}

QIcon windowIcon() {
    QIcon result;
    for (int size : kWindowIconSizes) result.addPixmap(QPixmap::fromImage(icon(size)));
    return result;
}

}  // namespace quazzle::art
