// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

#include "qt_colour.h"

// What every picture shares: the piece colours and a few drawing helpers.
namespace quazzle::art {

inline const QColor kRed = toQColor(colour::kRed);
inline const QColor kTeal = toQColor(colour::kTeal);
inline const QColor kAmber = toQColor(colour::kAmber);
inline const QColor kGreen = toQColor(colour::kGreen);
inline const QColor kBlue = toQColor(colour::kBlue);
inline const QColor kPurple = toQColor(colour::kPurple);
inline const QColor kCellGrey = toQColor(colour::kEmpty);

// An image of `size` window pixels at `ratio` device pixels each; painting on it is in window
// pixels.
QImage blankImage(QSize size, qreal ratio, const QColor& fill = Qt::transparent);
void beginPainter(QPainter& p);
// A glossy rounded block in one of the piece colours.
void drawBlock(QPainter& p, const QRectF& r, const QColor& c);
// Two cherries on a 30 x 30 square; `halo` rims them so they read on any cell colour.
void paintCherries(QPainter& p, bool halo);

}  // namespace quazzle::art
