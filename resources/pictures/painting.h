// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

// What every picture shares: the piece colours and a few drawing helpers.
namespace quazzle::art {

inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kTeal{0x42, 0xB5, 0xA6};
inline const QColor kAmber{0xFF, 0xC5, 0x00};
inline const QColor kGreen{0x32, 0xCD, 0x32};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kPurple{0x60, 0x00, 0xA0};
inline const QColor kCellGrey{0x40, 0x40, 0x40};

// An image of `size` window pixels at `ratio` device pixels each; painting on it is in window
// pixels.
QImage blankImage(QSize size, qreal ratio, const QColor& fill = Qt::transparent);
void beginPainter(QPainter& p);
// A glossy rounded block in one of the piece colours.
void drawBlock(QPainter& p, const QRectF& r, const QColor& c);
// Two cherries on a 30 x 30 square; `halo` rims them so they read on any cell colour.
void paintCherries(QPainter& p, bool halo);

}  // namespace quazzle::art
