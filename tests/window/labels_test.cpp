// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Long scores and high levels, read back from a grab: nothing clipped, nothing covered.
#include <QPainter>
#include <climits>

#include "window_fixture.h"

namespace quazzle::window {
namespace {

// The text's ink: near-black pixels inside `area`, leaving out column `skip`.
QRect inkIn(const QImage& image, const QRect& area, int skip = -1) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (x != skip && std::max({c.red(), c.green(), c.blue()}) < 90)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

constexpr int kLabelLeft = 264, kLabelTop = 344, kLabelBottom = 382;  // the score label, pixels
constexpr int kFrameLeft = 362;                                       // the instructions frame
constexpr int kDividerFoot = 385;  // below the text, where only the divider reaches

TEST_F(WindowTest, ScoreEndsBeforeTheInstructionsWithTheDividerAtItsMiddle) {
    startRealGame();
    const QImage before = grab();
    const struct {
        std::int32_t score, best;
    } cases[] = {{0, 0}, {10, 10}, {123, 456}, {99999, 99999}, {INT_MAX, INT_MAX}};
    for (const auto& c : cases) {
        GameState& s = GameSeam::state(game());
        s.Score = c.score;
        s.TopScore = c.best;
        game().refreshScore();
        const QImage image = grab();
        SCOPED_TRACE(s.lblScore);

        const QRect foot =
            inkIn(image, QRect(kLabelLeft, kDividerFoot, kFrameLeft - kLabelLeft, 1));
        ASSERT_EQ(foot.width(), 1) << "one divider below the text";
        const int divider = foot.left();
        EXPECT_EQ(divider, int(s.line1X / 15));
        const QRect text = inkIn(
            image, QRect(kLabelLeft, kLabelTop, kFrameLeft - kLabelLeft, kLabelBottom - kLabelTop),
            divider);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_LT(text.right(), kFrameLeft - 1) << "the text reaches the instructions frame";
        EXPECT_NEAR(divider, (text.left() + text.right()) / 2.0, 2.0);
        // The instructions frame and picture beside the label are untouched.
        const QRect beside(kFrameLeft, kLabelTop - 10, 40, 50);
        EXPECT_EQ(image.copy(beside), before.copy(beside));
    }
}

// The level's ink in each corner of the preview box: top left, top right, bottom left, bottom
// right.
std::array<QRect, 4> levelInk(const QImage& image) {
    const QRect box(362, 8, 170, 177);
    const int half = box.width() / 2;
    const int band = 14;
    std::array<QRect, 4> ink;
    for (int k = 0; k < 4; ++k) {
        const QRect corner(box.left() + (k % 2) * half, k < 2 ? box.top() : box.bottom() - band,
                           half, band + 1);
        ink[k] = inkIn(image, corner);
    }
    return ink;
}

// The ink of `text` in the level labels' font, drawn where nothing can clip it.
QRect freeInk(const QString& text) {
    QFont font("Verdana");
    font.setPointSizeF(8.25);
    font.setBold(true);
    QImage image(100, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.drawText(QPointF(10, 20), text);
    p.end();
    return inkIn(image, image.rect());
}

TEST_F(WindowTest, LevelsShowWholeInAllFourCorners) {
    startRealGame();
    const QRect box(362, 8, 170, 177);
    for (int level : {1, 9, 10, 99, 123}) {
        SCOPED_TRACE(level);
        GameSeam::state(game()).theLevel = level;
        game().LevelMark();
        const QSize whole = freeInk(QString::number(level)).size();
        for (const QRect& corner : levelInk(grab())) {
            // Whole: as wide as the number drawn freely (give or take antialiasing), and none of
            // it against the box's edges.
            EXPECT_NEAR(corner.width(), whole.width(), 1);
            EXPECT_NEAR(corner.height(), whole.height(), 1);
            EXPECT_TRUE(box.adjusted(1, 1, -1, -1).contains(corner));
        }
    }
    // One digit stays where it always stood, on the right as on the left.
    GameSeam::state(game()).theLevel = 2;
    game().LevelMark();
    const std::array<QRect, 4> ink = levelInk(grab());
    EXPECT_EQ(ink[1].left() - box.left(), 158 + (ink[0].left() - box.left() - 4));
}

}  // namespace
}  // namespace quazzle::window
