// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The score label and the divider at its centre.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>

#include "rules/rules_support.h"

namespace quazzle::testing {
namespace {

constexpr double kLabelLeft = 3960;
constexpr double kTwipsPerCharacter = 237;  // what the simulated platform measures

struct ScoreCase {
    std::int32_t score;
    std::int32_t top;
    const char* text;
    std::int32_t topAfter;
};

void PrintTo(const ScoreCase& c, std::ostream* os) {
    *os << "score " << c.score << ", best " << c.top;
}

class ScoreTest : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ScoreTest, ShowsScoreAndBestWithTheDividerAtTheLabelsMiddle) {
    const ScoreCase& c = GetParam();
    Session s;
    s.st().Score = c.score;
    s.st().TopScore = c.top;
    s.game.refreshScore();
    EXPECT_EQ(s.st().lblScore, c.text);
    EXPECT_EQ(s.st().Score, c.score);
    EXPECT_EQ(s.st().TopScore, c.topAfter);
    const double width = kTwipsPerCharacter * static_cast<double>(std::string(c.text).size());
    EXPECT_DOUBLE_EQ(s.st().line1X, kLabelLeft + width / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ScoreTest,
    ::testing::Values(ScoreCase{0, 0, "0   0", 0}, ScoreCase{12, 340, "12   340", 340},
                      ScoreCase{57, 40, "57   57", 57}, ScoreCase{0, 57, "0   57", 57},
                      ScoreCase{5, 1234, "5   1234", 1234}, ScoreCase{41, 40, "41   41", 41},
                      ScoreCase{40, 40, "40   40", 40}, ScoreCase{-3, 0, "-3   0", 0},
                      ScoreCase{2147483647, 9, "2147483647   2147483647", 2147483647}));

TEST(Score, EmptyLabelDividerSitsAtTheDesignCentre) {
    Session s;
    s.game.refreshScore();
    EXPECT_DOUBLE_EQ(s.st().line1X, 4552.5);
}

// The best follows a rising score point by point and survives a new game's reset.
TEST(Score, BestRisesWithTheScoreAndNeverFalls) {
    Session s;
    s.st().TopScore = 40;
    for (int score = 0; score <= 57; ++score) {
        s.st().Score = score;
        s.game.refreshScore();
        ASSERT_EQ(s.st().TopScore, std::max(40, score));
        ASSERT_EQ(s.st().lblScore,
                  std::to_string(score) + "   " + std::to_string(std::max(40, score)));
    }
    s.st().Score = 0;
    s.game.refreshScore();
    EXPECT_EQ(s.st().lblScore, "0   57");
    EXPECT_EQ(s.st().TopScore, 57);
}

}  // namespace
}  // namespace quazzle::testing
