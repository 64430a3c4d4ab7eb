// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Pointer and keys through real events on the offscreen window.
#include <qpa/qwindowsysteminterface.h>
#include <QKeyEvent>
#include <QMessageBox>

#include "window_fixture.h"

namespace quazzle::window {
namespace {

int blackCells(const GameState& s) {
    int n = 0;
    for (const Cell& cell : s.picCell) n += isHoverMark(cell.backColor);
    return n;
}

TEST_F(WindowTest, PointerRimOfACellShowsNoPreview) {
    startRealGame();
    GameSeam::state(game()).thePiece = "DOT";
    // Pixel offsets inside cell 44 and whether the preview shows: 1 px is 15 twips (< 20),
    // 2 px is 30; 26 px is 390 (<= 400), 27 px is 405.
    const struct {
        QPoint inside;
        bool shown;
    } cases[] = {{{1, 16}, false}, {{2, 16}, true},   {{16, 1}, false}, {{16, 2}, true},
                 {{26, 16}, true}, {{27, 16}, false}, {{16, 26}, true}, {{16, 27}, false}};
    for (const auto& c : cases) {
        // Step to another cell first: a second move to the same point is not delivered.
        QTest::mouseMove(handle(), cellPoint(11, {16, 16}));
        ASSERT_EQ(blackCells(game().state()), 1);
        QTest::mouseMove(handle(), cellPoint(44, c.inside));
        EXPECT_EQ(game().state().picCell[44].backColor == colour::kHoverMark, c.shown)
            << "at " << c.inside.x() << "," << c.inside.y();
        EXPECT_EQ(blackCells(game().state()), c.shown ? 1 : 0);
    }
}

TEST_F(WindowTest, HoverThenClickPlacesThePieceInItsColour) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    s.thePiece = "SQUARE";
    s.Tag = std::to_string(colour::kPalette[3]);
    const QPoint point = cellPoint(44, {16, 16});
    QTest::mouseMove(handle(), point);
    ASSERT_EQ(blackCells(s), 4);
    QTest::mouseClick(handle(), Qt::LeftButton, {}, point);
    for (int i : {44, 45, 54, 55}) EXPECT_EQ(s.picCell[i].backColor, colour::kPalette[3]);
    EXPECT_EQ(s.Score, 1);
    const QImage image = grab();
    const QPoint centre = cellPoint(55, {16, 16});
    EXPECT_EQ(image.pixelColor(centre), QColor(50, 205, 50));
}

TEST_F(WindowTest, MovingOverTheWindowBackgroundWipesTheMarks) {
    startRealGame();
    GameSeam::state(game()).thePiece = "H-D";
    QTest::mouseMove(handle(), cellPoint(50, {16, 16}));
    ASSERT_EQ(blackCells(game().state()), 2);
    QTest::mouseMove(handle(), QPoint(200, 380));  // below the board, beside the bombs
    EXPECT_EQ(blackCells(game().state()), 0);
}

TEST_F(WindowTest, SpaceReleaseSetsOffAHeldBombOnceWhateverHasFocus) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    s.Bombs = 2;
    QTest::keyPress(&form(), Qt::Key_Space);
    // A held key repeats as release/press pairs; those releases spend nothing.
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(&form(), &repeat);
    EXPECT_EQ(s.Bombs, 2);
    QTest::keyRelease(&form(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(s.Bombs, 1);
    EXPECT_EQ(s.bombSolid, (std::array<bool, 3>{true, false, false}));
    QTest::keyClick(&form(), Qt::Key_A);
    EXPECT_EQ(s.Bombs, 1);
    QTest::keyRelease(&form(), Qt::Key_Space);  // pressed where the window did not hear it
    EXPECT_EQ(s.Bombs, 1);
}

// Space held down as each window system repeats it, its strokes stamped as they come: only the
// final release sets off a bomb. When Qt takes a repeat's release on X11 for the key's own (the
// press half of the pair not yet read), that release sets it off instead, and nothing after it
// does.
enum class Repeats { WaylandClient, X11Presses, X11Pairs, X11PairsSomeUnflagged };

class HeldSpaceTest : public WindowTest, public ::testing::WithParamInterface<Repeats> {
  protected:
    void space(QEvent::Type type, quint64 at, bool repeat) {
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
            handle(), at, type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
    }
};

TEST_P(HeldSpaceTest, AHeldSpaceSetsOffOneBomb) {
    const Repeats repeats = GetParam();
    startRealGame();
    GameState& s = GameSeam::state(game());
    s.Bombs = 3;
    const quint64 down = 7'000'000;
    space(QEvent::KeyPress, down, false);
    int spentWhileHeld = 0;
    for (int k = 1; k <= 20; ++k) {
        const quint64 at = down + 500 + 33 * quint64(k);
        const bool unflagged = repeats == Repeats::X11PairsSomeUnflagged && k % 4 == 2;
        switch (repeats) {
            case Repeats::WaylandClient:
                space(QEvent::KeyRelease, down, true);
                space(QEvent::KeyPress, down, true);
                break;
            case Repeats::X11Presses:
                space(QEvent::KeyPress, at, false);
                break;
            case Repeats::X11Pairs:
            case Repeats::X11PairsSomeUnflagged:
                space(QEvent::KeyRelease, at, !unflagged);
                space(QEvent::KeyPress, at, !unflagged);
                break;
        }
        spentWhileHeld = 3 - s.Bombs;
    }
    space(QEvent::KeyRelease, down + 1500, false);
    EXPECT_EQ(s.Bombs, 2);
    EXPECT_EQ(spentWhileHeld, repeats == Repeats::X11PairsSomeUnflagged ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(As, HeldSpaceTest,
                         ::testing::Values(Repeats::WaylandClient, Repeats::X11Presses,
                                           Repeats::X11Pairs, Repeats::X11PairsSomeUnflagged),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Repeats::WaylandClient:
                                     return "WaylandClientRepeats";
                                 case Repeats::X11Presses:
                                     return "X11DetectableRepeats";
                                 case Repeats::X11Pairs:
                                     return "X11Pairs";
                                 case Repeats::X11PairsSomeUnflagged:
                                     return "X11PairsSomeUnflagged";
                             }
                             return "";
                         });

TEST_F(WindowTest, ThePromptAsksAndYesStartsANewGame) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    s.Score = 9;
    game().refreshScore();
    s.hourglassFill = 4810;
    QString text;
    QString title;
    bool escapeClosed = true;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        text = box->text();
        title = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
        escapeClosed = !box->isVisible();
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        box->button(QMessageBox::Yes)->click();
    });
    poll.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Score == 0 && !poll.isActive(); }, 8000));
    EXPECT_EQ(text, "Play again?");
    EXPECT_EQ(title, "Game Over");
    EXPECT_FALSE(escapeClosed);
    EXPECT_EQ(s.theLevel, 1);
    EXPECT_EQ(s.TopScore, 9);
    EXPECT_FALSE(form().platform().ending());
}

TEST_F(WindowTest, AnsweringNoEndsTheProgram) {
    startRealGame();
    GameSeam::state(game()).hourglassFill = 4810;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll.stop();
            box->button(QMessageBox::No)->click();
        }
    });
    poll.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form().platform().ending(); }, 8000));
}

TEST_F(WindowTest, ClosingTheWindowDuringTheDemoEndsTheProgram) {
    int stepsAfterClose = -1;
    loadAndThen(300, [&] {
        form().close();
        stepsAfterClose = 0;
    });
    // load() came back: the demo unwound instead of playing on.
    EXPECT_TRUE(form().platform().ending());
    EXPECT_EQ(stepsAfterClose, 0);
}

}  // namespace
}  // namespace quazzle::window
