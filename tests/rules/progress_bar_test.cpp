// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The experience bar painter.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "rules/rules_support.h"

namespace quazzle::testing {
namespace {

constexpr Colour kBack = 0x000000;
constexpr Colour kFore = 0xFF00FF;
constexpr int kBarWidth = 4815;

struct BarCase {
    const char* name;
    int width;
    std::int32_t amount;
    std::int32_t full;
    int filled;
};

void PrintTo(const BarCase& c, std::ostream* os) {
    *os << c.amount << " of " << c.full << " on width " << c.width;
}

const BarCase kPainted[] = {
    {"NoneOfFive", kBarWidth, 0, 5, 0},
    {"OneOfFive", kBarWidth, 1, 5, kBarWidth / 5},
    {"TwoOfFive", kBarWidth, 2, 5, kBarWidth * 2 / 5},
    {"ThreeOfFive", kBarWidth, 3, 5, kBarWidth * 3 / 5},
    {"FourOfFive", kBarWidth, 4, 5, kBarWidth * 4 / 5},
    {"FiveOfFive", kBarWidth, 5, 5, kBarWidth},
    {"NoneOfTen", kBarWidth, 0, 10, 0},
    {"ThreeOfThree", kBarWidth, 3, 3, kBarWidth},
    {"SixOfFive", kBarWidth, 6, 5, kBarWidth * 6 / 5},
    {"SixOfOne", kBarWidth, 6, 1, kBarWidth * 6},
    // Halves go to the even neighbour.
    {"HalfOfOne", 1, 1, 2, 0},
    {"HalfOfThree", 3, 1, 2, 2},
    {"HalfOfFive", 5, 1, 2, 2},
    {"HalfOfSeven", 7, 1, 2, 4},
    {"HalfOfNine", 9, 1, 2, 4},
    {"HalfBelowTheLimit", 65533, 1, 2, 32766},
    {"WidestThatFits", 32767, 1, 1, 32767},
    // One sixth held in single precision lies just above a sixth, so half a cell becomes one.
    {"SixthInSinglePrecision", 3, 1, 6, 1},
};

const BarCase kFailing[] = {
    {"ZeroFullScale", kBarWidth, 3, 0, 0},      {"ZeroOfZero", kBarWidth, 0, 0, 0},
    {"SevenOfOne", kBarWidth, 7, 1, 0},         {"OnePastTheLimit", 32768, 1, 1, 0},
    {"HalfRoundsPastTheLimit", 65535, 1, 2, 0}, {"FarBelowZero", kBarWidth, -7, 1, 0},
};

auto caseName = [](const auto& info) { return std::string(info.param.name); };

class PaintedBarTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(PaintedBarTest, FillsItsShareOfTheWidth) {
    const BarCase& c = GetParam();
    Session s;
    ProgressImage image;
    image.width = c.width;
    EXPECT_EQ(s.game.DrawProgressBar(image, c.amount, c.full, kBack, kFore), 0);
    EXPECT_TRUE(image.painted);
    EXPECT_EQ(image.filled, c.filled);
    EXPECT_EQ(image.back, kBack);
    EXPECT_EQ(image.fore, kFore);
    EXPECT_EQ(image.width, c.width);
    EXPECT_TRUE(s.sim.traces.empty());
}

INSTANTIATE_TEST_SUITE_P(Bars, PaintedBarTest, ::testing::ValuesIn(kPainted), caseName);

// A failure leaves the bar as it was and only leaves a debug trace.
class FailingBarTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(FailingBarTest, KeepsTheOldImageAndTraces) {
    const BarCase& c = GetParam();
    Session s;
    ProgressImage image;
    image.width = c.width;
    ASSERT_EQ(s.game.DrawProgressBar(image, 2, 5, 0x00FF00, 0x0000FF), 0);
    const ProgressImage before = image;

    EXPECT_NE(s.game.DrawProgressBar(image, c.amount, c.full, kBack, kFore), 0);
    EXPECT_EQ(image.filled, before.filled);
    EXPECT_EQ(image.back, before.back);
    EXPECT_EQ(image.fore, before.fore);
    EXPECT_EQ(image.width, before.width);
    ASSERT_EQ(s.sim.traces.size(), 1u);
    EXPECT_EQ(s.sim.traces[0].rfind("Error in DrawProgressBar: ", 0), 0u) << s.sim.traces[0];
    EXPECT_GT(s.sim.traces[0].size(), std::string("Error in DrawProgressBar: ").size());
}

INSTANTIATE_TEST_SUITE_P(Bars, FailingBarTest, ::testing::ValuesIn(kFailing), caseName);

TEST(ProgressBar, FailureBeforeTheFirstPaintLeavesTheBarUnpainted) {
    Session s;
    ProgressImage image;
    EXPECT_NE(s.game.DrawProgressBar(image, 1, 0, kBack, kFore), 0);
    EXPECT_FALSE(image.painted);
}

}  // namespace
}  // namespace quazzle::testing
