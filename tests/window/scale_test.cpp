// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The window at the screen's own scale (run again under QT_SCALE_FACTOR): pictures drawn for
// it pixel for pixel, cell edges and the hourglass on whole device pixels.
#include <set>

#include "artwork.h"
#include "window_fixture.h"

namespace quazzle::window {
namespace {

int device(double windowPixels, qreal ratio) { return int(std::lround(windowPixels * ratio)); }

// The colours met along a device-pixel row, as runs of equal pixels.
std::vector<std::pair<QRgb, int>> runs(const QImage& image, int y, int x0, int x1) {
    std::vector<std::pair<QRgb, int>> out;
    for (int x = x0; x < x1; ++x) {
        const QRgb c = image.pixel(x, y);
        if (!out.empty() && out.back().first == c)
            ++out.back().second;
        else
            out.emplace_back(c, 1);
    }
    return out;
}

std::set<QRgb> coloursIn(const QImage& image, const QRect& area) {
    std::set<QRgb> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) found.insert(image.pixel(x, y));
    return found;
}

TEST_F(WindowTest, PicturesAndEdgesAreExactAtTheScreensScale) {
    startRealGame();
    const qreal r = form().devicePixelRatioF();
    if (const QString asked = qEnvironmentVariable("QT_SCALE_FACTOR"); !asked.isEmpty()) {
        ASSERT_DOUBLE_EQ(r, asked.toDouble()) << "the window is not at the scale asked for";
    }
    // The hourglass a fifth of the way down: a fill that ends inside a device pixel.
    GameSeam::state(game()).hourglassFill = 1000;
    form().refresh(Region::Hourglass, 0);
    const QImage image = grab().convertToFormat(QImage::Format_RGB32);
    SCOPED_TRACE(r);

    // The instructions picture, drawn for this ratio, stands in its frame unscaled.
    const QImage card = art::instructions(r).convertToFormat(QImage::Format_RGB32);
    const QPoint cardAt(device(362, r) + device(1, r), device(192, r) + device(1, r));
    EXPECT_EQ(image.copy(QRect(cardAt, card.size())), card);

    // An empty board: only the cell grey and the edge colour, edges of one width, cells of one.
    const int pitch = device(32, r);
    const int line = std::max(1, int(r));
    const int side = 9 * pitch + pitch + line;
    const QRect board(device(24, r), device(8, r), side, side);
    const QRgb edge = qRgb(0x26, 0x26, 0x26);
    const QRgb grey = qRgb(0x40, 0x40, 0x40);
    EXPECT_EQ(coloursIn(image, board), (std::set<QRgb>{edge, grey}));
    const int y = device(8 + 16, r);
    std::set<int> edgeWidths;
    std::set<int> cellWidths;
    for (const auto& [colour, width] : runs(image, y, board.left(), board.right() + 1))
        (colour == edge ? edgeWidths : cellWidths).insert(width);
    EXPECT_EQ(edgeWidths, std::set<int>{line});
    EXPECT_EQ(cellWidths.size(), 1u) << "every cell as wide as the next";

    // The hourglass: pure red under pure black, nothing blended at their border.
    const QRect hourglass(device(8, r), device(8, r), device(9, r) - 1, device(321, r));
    EXPECT_EQ(coloursIn(image, hourglass), (std::set<QRgb>{qRgb(0, 0, 0), qRgb(255, 0, 0)}));
}

}  // namespace
}  // namespace quazzle::window
