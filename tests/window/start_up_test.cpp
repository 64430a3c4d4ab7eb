// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Where the window opens, and which QT_SCALE_FACTOR it takes (tests/window/start-up-checks runs
// the game itself with them).
#include <gtest/gtest.h>

#include "placement.h"
#include "process_setup.h"

namespace quazzle {
namespace {

const QSize kWindow(541, 391);

TEST(Placement, CentredWhereTheWindowFits) {
    EXPECT_EQ(placeWindow(QRect(0, 0, 1024, 768), kWindow), QPoint(241, 188));
    EXPECT_EQ(placeWindow(QRect(0, 0, 541, 391), kWindow), QPoint(0, 0));
    // A panel across the top; a second screen left of the first.
    EXPECT_EQ(placeWindow(QRect(0, 27, 1920, 1053), kWindow), QPoint(689, 358));
    EXPECT_EQ(placeWindow(QRect(-1280, 0, 1280, 1024), kWindow), QPoint(-910, 316));
}

TEST(Placement, TopLeftStaysOnTheFreeAreaOfASmallerScreen) {
    EXPECT_EQ(placeWindow(QRect(0, 0, 320, 240), kWindow), QPoint(0, 0));
    EXPECT_EQ(placeWindow(QRect(0, 24, 320, 216), kWindow), QPoint(0, 24));
    // Too narrow only: still centred up and down.
    EXPECT_EQ(placeWindow(QRect(0, 0, 400, 1000), kWindow), QPoint(0, 304));
    EXPECT_EQ(placeWindow(QRect(-1280, 0, 320, 240), kWindow), QPoint(-1280, 0));
}

TEST(ScaleFactor, AFiniteNumberAboveZeroAndUpToElevenIsUsed) {
    for (const char* value : {"1", "1.5", "0.5", " 2 ", "11", "1e0", "0.01"})
        EXPECT_EQ(scaleFactorFault(value), "") << value;
}

TEST(ScaleFactor, AnythingElseIsNot) {
    const struct {
        const char* value;
        const char* fault;
    } cases[] = {{"nan", "not a finite number"},  {"inf", "not a finite number"},
                 {"-inf", "not a finite number"}, {"0", "not above 0"},
                 {"-1", "not above 0"},           {"-0", "not above 0"},
                 {"1e9", "more than 11"},         {"11.5", "more than 11"},
                 {"garbage", "not a number"},     {"1,5", "not a number"},
                 {"2x", "not a number"},          {"1e999", "not a number"}};
    for (const auto& c : cases) EXPECT_EQ(scaleFactorFault(c.value), c.fault) << c.value;
}

}  // namespace
}  // namespace quazzle
