// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The window as the player first sees it, read back from a grab.
#include "artwork.h"
#include "window_fixture.h"

namespace quazzle::window {
namespace {

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

TEST_F(WindowTest, StartUpShowsEveryControlInPlace) {
    QImage demo;
    loadAndThen(150, [&] {
        demo = grab();
        QTest::mouseClick(form().startButton(), Qt::LeftButton);
    });
    ASSERT_FALSE(demo.isNull());
    EXPECT_EQ(demo.size(), QSize(541, 391));
    EXPECT_EQ(form().windowTitle(), "Quazzle");
    // The icon comes in every size a desktop asks for, each drawn for its size.
    QList<QSize> iconSizes;
    for (int size : art::kWindowIconSizes) iconSizes.append(QSize(size, size));
    EXPECT_EQ(form().windowIcon().availableSizes(), iconSizes);

    // The start button over the middle of the board, green, with its caption.
    EXPECT_EQ(at(demo, 150, 177), QColor(0, 255, 0));
    EXPECT_EQ(form().startButton()->text(), "Start Game");
    EXPECT_EQ(form().startButton()->geometry(), QRect(144, 160, 81, 21));

    const QImage image = grab();
    EXPECT_FALSE(form().startButton()->isVisible());
    // Board: grey cells on a 32-pixel pitch from (24, 8), the last one ending at 344.
    for (int i : {0, 9, 44, 90, 99}) {
        const QPoint centre = cellPoint(i, {16, 16});
        EXPECT_EQ(at(image, centre.x(), centre.y()), QColor(64, 64, 64)) << "cell " << i;
    }
    EXPECT_EQ(at(image, 23, 100), QColor(Qt::white));
    EXPECT_EQ(at(image, 346, 100), QColor(Qt::white));
    // Hourglass: red, nearly empty at the start of a game.
    EXPECT_EQ(at(image, 12, 200), QColor(255, 0, 0));
    EXPECT_EQ(at(image, 7, 200), QColor(Qt::white));
    // Experience bar: black when empty, under the board and as wide.
    EXPECT_EQ(at(image, 30, 336), QColor(Qt::black));
    EXPECT_EQ(at(image, 343, 336), QColor(Qt::black));
    // Preview box: light grey with the blank preview colour in its border ring.
    EXPECT_EQ(at(image, 362 + 85, 8 + 174), QColor(192, 192, 192));
    EXPECT_EQ(at(image, 362 + 12 + 3, 8 + 12 + 3), QColor(255, 192, 128));
    // Bomb slots show the outline picture; the instructions picture sits in its frame.
    EXPECT_NE(at(image, 24 + 15, 351 + 14), QColor(Qt::white));
    EXPECT_NE(at(image, 362 + 85, 192 + 97), QColor(Qt::white).darker(200));
}

TEST_F(WindowTest, ScoreLabelAndDividerFollowTheText) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    s.Score = 5;
    s.TopScore = 1234;
    game().refreshScore();
    EXPECT_EQ(s.lblScore, "5   1234");
    const double width = form().scoreTextWidth("5   1234");
    EXPECT_GT(width, form().scoreTextWidth("0   0"));
    EXPECT_DOUBLE_EQ(s.line1X, 3960 + width / 2);
    // The divider is painted at the label's middle, not between the numbers.
    const QImage image = grab();
    const int x = int(s.line1X / 15);
    EXPECT_EQ(image.pixelColor(x, 388 - 3), QColor(Qt::black));
}

}  // namespace
}  // namespace quazzle::window
