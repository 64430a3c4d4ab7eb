// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Piece colours by level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "rules/rules_support.h"

namespace quazzle::testing {
namespace {

const float kJustBelowOne = std::nextafter(1.0f, 0.0f);

class LevelColourTest : public ::testing::TestWithParam<int> {
  protected:
    static int level() { return GetParam(); }
    // Levels past six draw from the whole palette.
    static int open() { return std::min(level(), 6); }
};

TEST_P(LevelColourTest, DrawsEvenlyFromTheColoursTheLevelHasOpened) {
    constexpr int kDraws = 12000;
    Session s(100 + level());
    s.st().theLevel = level();
    std::map<Colour, int> seen;
    for (int i = 0; i < kDraws; ++i) ++seen[s.game.RandomColor()];

    ASSERT_EQ(seen.size(), std::size_t(open()));
    const double p = 1.0 / open();
    for (int entry = 0; entry < open(); ++entry)
        EXPECT_NEAR(seen[kPaletteColours[entry]], kDraws * p, 5 * std::sqrt(kDraws * p * (1 - p)))
            << "palette entry " << entry + 1;
    for (Colour reserved : {kBlack, kEmptyCell, kMagentaFlash, kWhiteFlash})
        EXPECT_FALSE(seen.contains(reserved)) << reserved;
}

TEST_P(LevelColourTest, ScriptedDrawsPickTheirShareOfThePalette) {
    Session s;
    s.st().theLevel = level();
    GameSeam::random(s.game).queue({0.0f});
    EXPECT_EQ(s.game.RandomColor(), kPaletteColours[0]);

    GameSeam::random(s.game).queue({kJustBelowOne});
    const Colour top = s.game.RandomColor();
    if (level() <= 6) {
        EXPECT_EQ(top, kPaletteColours[level() - 1]);
        for (int entry = 1; entry <= level(); ++entry) {
            GameSeam::random(s.game).queue(
                {(static_cast<float>(entry) - 0.5f) / static_cast<float>(level())});
            EXPECT_EQ(s.game.RandomColor(), kPaletteColours[entry - 1]) << "entry " << entry;
        }
    } else {
        EXPECT_TRUE(std::count(kPaletteColours.begin(), kPaletteColours.end(), top)) << top;
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelColourTest, ::testing::Range(1, 10));

struct Boundary {
    int level;
    float draw;
    int entry;
};

// A draw on a share's lower edge belongs to that share.
TEST(RandomColor, DrawsOnAShareEdgeGoUp) {
    for (const Boundary b : {Boundary{2, 0.5f, 2}, Boundary{4, 0.25f, 2}, Boundary{4, 0.75f, 4}}) {
        Session s;
        s.st().theLevel = b.level;
        GameSeam::random(s.game).queue({b.draw});
        EXPECT_EQ(s.game.RandomColor(), kPaletteColours[b.entry - 1])
            << "level " << b.level << " draw " << b.draw;
    }
}

}  // namespace
}  // namespace quazzle::testing
