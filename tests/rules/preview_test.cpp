// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Dealing the piece in hand and its picture in the preview box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "rules/rules_support.h"

namespace quazzle::testing {
namespace {

// The preview box as the player sees it, row by row; 0 stands where there is no cell.
constexpr int kGrid[5][5] = {
    {25, 26, 27, 28, 29}, {30, 1, 2, 3, 31},    {10, 4, 5, 6, 14},
    {15, 7, 8, 9, 19},    {20, 21, 22, 23, 24},
};
const std::set<int> kNoCell = {0, 11, 12, 13, 16, 17, 18};
const std::set<int> kAlwaysBlank = {15, 19, 20, 21, 23, 24, 25, 26, 28, 29, 30, 31};
constexpr Colour kStale = 0x123456;

Step gridPosition(int slot) {
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            if (kGrid[r][c] == slot) return {r, c};
    ADD_FAILURE() << "no preview cell " << slot;
    return {-1, -1};
}

// Scripts the next deal: kind number `kind` (1 to 12) in palette colour `entry` (1 to 6),
// drawn at level 6.
void scriptDeal(Session& s, int kind, int entry) {
    s.st().theLevel = 6;
    GameSeam::random(s.game).queue(
        {(static_cast<float>(kind) - 0.5f) / 12, (static_cast<float>(entry) - 0.5f) / 6});
}

std::set<int> slotsIn(const PreviewCells& cells, Colour colour) {
    std::set<int> slots;
    for (int slot = 0; slot < kPreviewSlots; ++slot)
        if (!kNoCell.contains(slot) && cells[slot] == colour) slots.insert(slot);
    return slots;
}

void expectPreviewShows(const GameState& st, const KindSpec& kind, Colour colour) {
    EXPECT_EQ(st.thePiece, kind.name);
    EXPECT_EQ(st.Tag, std::to_string(colour));
    EXPECT_EQ(slotsIn(st.previewCell, colour),
              std::set<int>(kind.preview.begin(), kind.preview.end()));
    for (int slot = 0; slot < kPreviewSlots; ++slot) {
        if (kNoCell.contains(slot)) {
            EXPECT_EQ(st.previewCell[slot], kStale) << "slot without a cell " << slot;
        } else if (!std::count(kind.preview.begin(), kind.preview.end(), slot)) {
            EXPECT_EQ(st.previewCell[slot], kBlankPreview) << "slot " << slot;
        }
    }
    for (int slot : kAlwaysBlank) EXPECT_EQ(st.previewCell[slot], kBlankPreview) << slot;
}

class DealTest : public ::testing::TestWithParam<int> {
  protected:
    static const KindSpec& kind() { return kinds()[GetParam()]; }
    Session s;
    void SetUp() override { s.st().previewCell.fill(kStale); }
};

TEST_P(DealTest, PaintsExactlyTheKindsCellsInTheDealtColour) {
    const int entry = GetParam() % 6 + 1;
    scriptDeal(s, GetParam() + 1, entry);
    s.game.ChangePiece();
    expectPreviewShows(s.st(), kind(), kPaletteColours[entry - 1]);
}

TEST_P(DealTest, DealingAgainLeavesNoTraceOfTheFormerShape) {
    for (int next = 0; next < kDealtKindCount; ++next) {
        scriptDeal(s, GetParam() + 1, 1);
        s.game.ChangePiece();
        scriptDeal(s, next + 1, 5);
        s.game.ChangePiece();
        SCOPED_TRACE(kinds()[next].name);
        expectPreviewShows(s.st(), kinds()[next], kPaletteColours[4]);
    }
}

// The preview shows the piece the way the board lays it out from the anchor.
TEST_P(DealTest, PreviewShapeMatchesTheFootprint) {
    scriptDeal(s, GetParam() + 1, 3);
    s.game.ChangePiece();
    const Step anchor = gridPosition(kind().previewAnchor);
    std::set<std::pair<int, int>> shown;
    for (int slot : slotsIn(s.st().previewCell, kPaletteColours[2])) {
        const Step p = gridPosition(slot);
        shown.insert({p.row - anchor.row, p.column - anchor.column});
    }
    std::set<std::pair<int, int>> footprint;
    for (const Step st : kind().footprint) footprint.insert({st.row, st.column});
    EXPECT_EQ(shown, footprint);
}

INSTANTIATE_TEST_SUITE_P(DealtKinds, DealTest, ::testing::Range(0, kDealtKindCount),
                         [](const auto& info) { return testName(kinds()[info.param].name); });

TEST(Dealing, EveryDealAtLevelOneIsRed) {
    Session s(11);
    s.st().theLevel = 1;
    for (int deal = 0; deal < 200; ++deal) {
        s.game.ChangePiece();
        ASSERT_EQ(s.st().Tag, "255");
        const KindSpec* kind = nullptr;
        for (const KindSpec& k : kinds())
            if (k.name == s.st().thePiece) kind = &k;
        ASSERT_NE(kind, nullptr) << s.st().thePiece;
        EXPECT_EQ(slotsIn(s.st().previewCell, 255).size(), kind->preview.size());
    }
}

// Each of the twelve dealt kinds comes up about one time in twelve, whatever the colour.
TEST(Dealing, KindsAreUniformAndIndependentOfTheColour) {
    constexpr int kDeals = 36000;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        Session s(seed);
        s.st().theLevel = 6;
        std::map<std::string, int> kindCount;
        std::map<std::pair<std::string, std::string>, int> pairCount;
        for (int deal = 0; deal < kDeals; ++deal) {
            s.game.ChangePiece();
            ++kindCount[s.st().thePiece];
            ++pairCount[{s.st().thePiece, s.st().Tag}];
        }
        ASSERT_EQ(kindCount.size(), std::size_t(kDealtKindCount));
        for (int k = 0; k < kDealtKindCount; ++k) {
            const double p = 1.0 / 12;
            EXPECT_NEAR(kindCount[kinds()[k].name], kDeals * p, 5 * std::sqrt(kDeals * p * (1 - p)))
                << kinds()[k].name;
        }
        EXPECT_FALSE(kindCount.contains("THREExTHREE"));
        EXPECT_FALSE(kindCount.contains("CHERRY"));
        ASSERT_EQ(pairCount.size(), std::size_t(12 * 6));
        const double p = 1.0 / 72;
        for (const auto& [pair, count] : pairCount)
            EXPECT_NEAR(count, kDeals * p, 5 * std::sqrt(kDeals * p * (1 - p)))
                << pair.first << " in " << pair.second;
    }
}

}  // namespace
}  // namespace quazzle::testing
