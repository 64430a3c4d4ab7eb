// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Placing the piece in hand: hover, click, reward and the line check that follows every click.
#include <gtest/gtest.h>

#include "scenario/scenario.h"

namespace quazzle::scenario {
namespace {

TEST(PlacingScenario, HoverThenClickPlacesThePieceAndRewardsIt) {
    Scenario s;
    s.start();
    s.sim.runFor(2);
    ASSERT_GT(s.state().hourglassFill, 0);

    s.hold("SQUARE", kTeal);
    s.game.pointerMoved(44, 200, 200);
    EXPECT_EQ(s.board(), art::normalise(".......... .......... .......... .......... ....##...."
                                        "....##.... .......... .......... .......... .........."));
    s.dealNext(10, 1, 1);  // V-B in red
    s.game.clicked(44);

    EXPECT_EQ(s.board(), art::normalise(".......... .......... .......... .......... ....tt...."
                                        "....tt.... .......... .......... .......... .........."));
    EXPECT_EQ(s.state().Score, 1);
    EXPECT_EQ(s.state().TopScore, 1);
    EXPECT_EQ(s.state().lblScore, "1   1");
    EXPECT_EQ(s.state().hourglassFill, 0);
    EXPECT_EQ(s.effectTimes("thePlace"), std::vector<double>{s.sim.now()});
    EXPECT_EQ(s.state().thePiece, "V-B");
    EXPECT_EQ(s.state().Tag, "255");

    // The new piece is previewed at the next move, not before.
    s.game.pointerMoved(0, 200, 200);
    EXPECT_EQ(s.board(), art::normalise("#......... #......... #......... #......... ....tt...."
                                        "....tt.... .......... .......... .......... .........."));
}

// In the demo every line check ends by spending a held bomb, so bombs count the checks.
TEST(PlacingScenario, EveryClickRunsTheLineCheckOnce) {
    Scenario s;
    s.start();
    s.st().isDemo = true;
    s.st().Bombs = 3;

    s.place("DOT", kRed, 0);
    EXPECT_EQ(s.cell(0).backColor, kRed);
    EXPECT_EQ(s.state().Bombs, 2) << "one check after a placement";

    s.game.clicked(0);
    EXPECT_EQ(s.state().Bombs, 1) << "one check after a click that placed nothing";
    EXPECT_EQ(s.state().Score, 1);
}

// A footprint reaching past the first or last cell places nothing even where the cells it
// does reach are marked, and the click still clears a complete line.
TEST(PlacingScenario, FootprintsOffTheBoardPlaceNothingButStillCheckLines) {
    struct Case {
        std::string_view kind;
        int anchor;
        std::string_view picture;
    };
    const Case cases[] = {
        {"V-P", 95,
         ".......... .......... .......... .......... .........."
         "rrrrrrrrrr .......... .......... .......... .....#...."},
        {"L-LB", 3,
         "..##...... .......... .......... .......... .........."
         "rrrrrrrrrr .......... .......... .......... .........."},
        {"L-L", 8,
         "........## .......... .......... .......... .........."
         "rrrrrrrrrr .......... .......... .......... .........."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind));
        Scenario s;
        s.start();
        s.paint(c.picture);
        s.hold(c.kind, kTeal);
        s.game.clicked(c.anchor);

        std::string expected = art::normalise(c.picture);
        for (int i = 0; i < 10; ++i) expected[5 * 11 + i] = '.';
        EXPECT_EQ(s.board(), expected);
        EXPECT_EQ(s.state().Score, 10) << "the row pays; no placement point";
        EXPECT_EQ(s.effects("thePlace"), 0);
        EXPECT_EQ(s.effects("theScore"), 1);
    }
}

}  // namespace
}  // namespace quazzle::scenario
