// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <array>

class QPainter;

// The game's own artwork, drawn with QPainter at whatever resolution the screen asks for.
// Every picture but the icon is drawn for `ratio` device pixels per window pixel and carries
// that ratio, so Qt shows it at its window size, as sharp as the text beside it.
namespace quazzle::art {

inline constexpr QSize kInstructionsSize{169, 192};
inline constexpr QSize kBombSize{30, 29};
inline constexpr QSize kCherrySize{30, 30};

// The sizes a desktop asks of a window icon.
inline constexpr std::array<int, 8> kWindowIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

QImage icon(int size);
// The icon in vector form, on a `size` x `size` square (for scalable formats).
void paintIcon(QPainter& p, qreal size);
QIcon windowIcon();

QImage instructions(qreal ratio);
QImage bombOutline(qreal ratio);
QImage bombSolid(qreal ratio);
QImage cherry(qreal ratio);

}  // namespace quazzle::art
