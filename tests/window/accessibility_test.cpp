// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// What a screen reader sees of the window, read through Qt's own accessibility API, and what
// it is told as the game changes.
#include <QAccessible>
#include <algorithm>
#include <functional>
#include <map>
#include <ostream>
#include <set>

#include "accessibility_log.h"
#include "board/lines.h"
#include "board/pieces.h"
#include "front/speech_queue.h"
#include "play_again_box.h"
#include "window_fixture.h"

// Failures show names as text.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace quazzle::window {
namespace {

using accessibility::SpeechQueue;

using Told = AccessibilityLog::Told;
using Names = std::vector<QString>;

QString nameOf(QAccessibleInterface* iface) { return iface->text(QAccessible::Name); }

QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name) {
    for (int i = 0; i < parent->childCount(); ++i)
        if (nameOf(parent->child(i)) == name) return parent->child(i);
    return nullptr;
}

// The first descendant with this role and name, depth first.
QAccessibleInterface* find(QAccessibleInterface* root, QAccessible::Role role,
                           const QString& name) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child->role() == role && nameOf(child) == name) return child;
        if (QAccessibleInterface* deeper = find(child, role, name)) return deeper;
    }
    return nullptr;
}

// How a cell's name begins: where it is on the board.
QString position(int index) {
    return QString("row %1, column %2: ").arg(rowOf(index) + 1).arg(columnOf(index) + 1);
}

// The names each board cell was told, by cell index, after the cell's position.
std::map<int, Names> cellNames(const std::vector<Told>& told) {
    std::map<int, Names> cells;
    for (const Told& t : told)
        if (t.type == QAccessible::NameChanged && t.target && t.target->tableCellInterface()) {
            const QAccessibleTableCellInterface* cell = t.target->tableCellInterface();
            const int index = cell->rowIndex() * kBoardSide + cell->columnIndex();
            EXPECT_TRUE(t.name.startsWith(position(index))) << t.name.toStdString();
            cells[index].push_back(t.name.mid(position(index).size()));
        }
    return cells;
}

Names namesTold(const std::vector<Told>& told, QAccessibleInterface* target) {
    Names names;
    for (const Told& t : told)
        if (t.type == QAccessible::NameChanged && t.target == target) names.push_back(t.name);
    return names;
}

std::vector<int> valuesTold(const std::vector<Told>& told, QAccessibleInterface* target) {
    std::vector<int> values;
    for (const Told& t : told)
        if (t.type == QAccessible::ValueChanged && t.target == target)
            values.push_back(t.value.toInt());
    return values;
}

std::string colourText(int paletteEntry) { return std::to_string(colour::kPalette[paletteEntry]); }

class AccessibilityTest : public WindowTest {
  protected:
    QAccessibleInterface* window() { return QAccessible::queryAccessibleInterface(&form()); }
    QAccessibleInterface* named(const QString& name) { return childNamed(window(), name); }
    QAccessibleInterface* boardTable() {
        return QAccessible::queryAccessibleInterface(form().board());
    }
    QAccessibleInterface* hourglass() { return named("Time left"); }
};

TEST_F(AccessibilityTest, EveryControlHasARoleAndANameFromWhatItShows) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    s.Score = 12;
    s.TopScore = 340;
    s.theXP = 1;
    s.hourglassFill = layout::kHourglassFull / 2.0;
    s.bombSolid = {true, true, false};
    s.theLevel = 3;
    game().LevelMark();
    s.thePiece = "SQUARE";
    s.Tag = colourText(0);

    QAccessibleInterface* win = window();
    EXPECT_EQ(win->role(), QAccessible::Window);
    EXPECT_EQ(nameOf(win), "Quazzle");
    std::vector<std::pair<QAccessible::Role, QString>> seen;
    for (int i = 0; i < win->childCount(); ++i) {
        QAccessibleInterface* child = win->child(i);
        EXPECT_EQ(child->parent(), win);
        EXPECT_EQ(win->indexOfChild(child), i);
        seen.emplace_back(child->role(), nameOf(child).left(11));
    }
    const std::vector<std::pair<QAccessible::Role, QString>> expected = {
        {QAccessible::Table, "Board"},
        {QAccessible::ProgressBar, "Time left"},
        {QAccessible::StaticText, "Piece: squa"},
        {QAccessible::StaticText, "Level 3"},
        {QAccessible::ProgressBar, "Experience"},
        {QAccessible::StaticText, "How to play"},
        {QAccessible::StaticText, "Bombs 2 of "},
        {QAccessible::StaticText, "Score 12, b"},
        {QAccessible::Button, "Start Game"},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(named("Piece: square, red"));
    EXPECT_TRUE(named("Bombs 2 of 3"));
    EXPECT_TRUE(named("Score 12, best 340"));

    QAccessibleValueInterface* time = hourglass()->valueInterface();
    ASSERT_TRUE(time);
    EXPECT_EQ(time->currentValue().toInt(), 50);
    EXPECT_EQ(time->maximumValue().toInt(), 100);
    QAccessibleInterface* xp = named("Experience");
    ASSERT_TRUE(xp->valueInterface());
    EXPECT_EQ(xp->valueInterface()->currentValue().toInt(), 1);
    EXPECT_EQ(xp->valueInterface()->maximumValue().toInt(), kLinesPerLevel);
    EXPECT_EQ(xp->text(QAccessible::Description), "1 of 5");
    EXPECT_FALSE(named("Score 12, best 340")->valueInterface());

    // Every dealt kind reads differently.
    std::set<QString> kinds;
    for (int k = 0; k < kDealtKinds; ++k) {
        s.thePiece = kPieceKinds[k].name;
        kinds.insert(nameOf(win->child(2)));
    }
    EXPECT_EQ(kinds.size(), size_t(kDealtKinds));
    EXPECT_FALSE(kinds.contains("Piece: none, red"));
}

TEST_F(AccessibilityTest, TheBoardIsATableOfCellsNamedByTheirState) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    QAccessibleInterface* board = boardTable();
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rowCount(), 10);
    EXPECT_EQ(table->columnCount(), 10);
    EXPECT_EQ(board->childCount(), 100);

    QAccessibleInterface* cell = table->cellAt(5, 7);
    ASSERT_TRUE(cell && cell->tableCellInterface());
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 5);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 7);
    EXPECT_EQ(cell->parent(), board);
    EXPECT_EQ(board->indexOfChild(cell), 57);
    EXPECT_EQ(board->child(57), cell);
    // A point inside cell 57 finds it from the window down.
    const QPoint inside = form().mapToGlobal(cellPoint(57, {16, 16}));
    EXPECT_EQ(window()->childAt(inside.x(), inside.y()), board);
    EXPECT_EQ(board->childAt(inside.x(), inside.y()), cell);

    const struct {
        Colour colour;
        Picture picture;
        QString name;
    } cases[] = {{colour::kEmpty, Picture::None, "empty"},
                 {colour::kHoverMark, Picture::None, "marked"},
                 {colour::kPalette[1], Picture::None, "teal"},
                 {colour::kPalette[5], Picture::None, "purple"},
                 {colour::kPalette[0], Picture::Cherry, "red, cherry"},
                 {colour::kEmpty, Picture::Cherry, "empty, cherry"}};
    for (const auto& c : cases) {
        s.picCell[57].backColor = c.colour;
        s.picCell[57].picture = c.picture;
        EXPECT_EQ(nameOf(cell), "row 6, column 8: " + c.name);
    }
    // The two flashes read as themselves, not as a placed colour.
    std::set<QString> flashes;
    for (Colour flash : {colour::kClearFlash, colour::kBombFlash}) {
        s.picCell[57].backColor = flash;
        s.picCell[57].picture = Picture::None;
        flashes.insert(nameOf(cell));
    }
    EXPECT_EQ(flashes.size(), 2u);
    EXPECT_FALSE(flashes.contains("row 6, column 8: empty") ||
                 flashes.contains("row 6, column 8: red"));

    // The prompt shows only its question; its description also gives the score it ends.
    s.Score = 12;
    s.TopScore = 340;
    PlayAgainBox box(&form(), game().state());
    QAccessibleInterface* prompt = QAccessible::queryAccessibleInterface(&box);
    EXPECT_EQ(prompt->role(), QAccessible::Dialog);
    EXPECT_EQ(nameOf(prompt), "Game Over");
    EXPECT_EQ(box.text(), "Play again?");
    EXPECT_EQ(prompt->text(QAccessible::Description), "Final score 12, best 340");
    EXPECT_TRUE(find(prompt, QAccessible::StaticText, "Play again?"));
    EXPECT_TRUE(find(prompt, QAccessible::Button, "Yes"));
    EXPECT_TRUE(find(prompt, QAccessible::Button, "No"));
}

TEST_F(AccessibilityTest, HoverAndPlacementTellOnlyTheCellsThatChanged) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    s.thePiece = "SQUARE";
    s.Tag = colourText(1);
    s.Score = 0;
    s.TopScore = 0;
    s.hourglassFill = layout::kHourglassFull / 2.0;
    AccessibilityLog log;

    // The cell under the pointer says whether the piece fits there.
    QTest::mouseMove(handle(), cellPoint(44, {16, 16}));
    EXPECT_EQ(cellNames(log.take()),
              (std::map<int, Names>{
                  {44, {"fits"}}, {45, {"marked"}}, {54, {"marked"}}, {55, {"marked"}}}));
    // Within the same cell the marks are wiped and drawn again: nothing to tell.
    QTest::mouseMove(handle(), cellPoint(44, {20, 12}));
    ASSERT_TRUE(isHoverMark(game().state().picCell[55].backColor));
    EXPECT_TRUE(cellNames(log.take()).empty());
    QTest::mouseMove(handle(), cellPoint(45, {16, 16}));
    EXPECT_EQ(
        cellNames(log.take()),
        (std::map<int, Names>{
            {44, {"empty"}}, {45, {"fits"}}, {46, {"marked"}}, {54, {"empty"}}, {56, {"marked"}}}));

    const QString before = nameOf(named("Piece: square, teal"));
    QTest::mouseClick(handle(), Qt::LeftButton, {}, cellPoint(45, {16, 16}));
    const std::vector<Told> told = log.take();
    EXPECT_EQ(
        cellNames(told),
        (std::map<int, Names>{{45, {"teal"}}, {46, {"teal"}}, {55, {"teal"}}, {56, {"teal"}}}));
    // The next piece (red, at level 1), the point and the emptied hourglass.
    QAccessibleInterface* piece = window()->child(2);
    const Names pieces = namesTold(told, piece);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_NE(pieces[0], before);
    EXPECT_TRUE(pieces[0].endsWith(", red"));
    EXPECT_EQ(namesTold(told, named("Score 1, best 1")), Names{"Score 1, best 1"});
    const std::vector<int> time = valuesTold(told, hourglass());
    ASSERT_FALSE(time.empty());
    EXPECT_EQ(time.front(), 100);

    // A square cannot stand in the corner; the cherry there is still told.
    s.thePiece = "SQUARE";
    s.picCell[99].picture = Picture::Cherry;
    s.picCell[99].tag = kCherryTag;
    QTest::mouseMove(handle(), cellPoint(99, {16, 16}));
    EXPECT_EQ(cellNames(log.take()), (std::map<int, Names>{{99, {"no fit, cherry"}}}));
}

TEST_F(AccessibilityTest, ALineClearTellsEachCellAtMostTwiceAndTheLevelRise) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    for (int i : lineCells(LineKind::Row, 3)) s.picCell[i].backColor = colour::kPalette[0];
    s.picCell[36].picture = Picture::Cherry;
    s.picCell[36].tag = kCherryTag;
    s.theXP = kLinesPerLevel - 1;
    s.Score = 0;
    s.TopScore = 0;
    AccessibilityLog log;

    // A click on a full cell places nothing, and the line check still runs.
    QTest::mouseClick(handle(), Qt::LeftButton, {}, cellPoint(39, {16, 16}));
    ASSERT_EQ(game().state().theLevel, 2);
    const std::vector<Told> told = log.take();
    const std::map<int, Names> cells = cellNames(told);
    EXPECT_EQ(cells.size(), 10u);
    for (const auto& [index, names] : cells) {
        EXPECT_EQ(rowOf(index), 3) << index;
        EXPECT_LE(names.size(), 2u) << index;
        // The clicked cell, under the pointer, goes on to say whether the piece fits.
        if (index == 39)
            EXPECT_TRUE(names.back() == "fits" || names.back() == "no fit") << index;
        else
            EXPECT_EQ(names.back(), "empty") << index;
    }
    EXPECT_EQ(namesTold(told, named("Level 2")), Names{"Level 2"});
    EXPECT_EQ(valuesTold(told, named("Experience")), std::vector<int>{0});
    const Names scores = namesTold(told, named("Score 15, best 15"));
    ASSERT_FALSE(scores.empty());
    EXPECT_EQ(scores.back(), "Score 15, best 15");

    // Spoken as news too: the cherry as it is paid, then the clear with the level it made.
    Names news;
    for (const Told& t : told)
        if (AccessibilityLog::isNews(t)) news.push_back(t.name);
    ASSERT_TRUE(QTest::qWaitFor([&] { return news.size() + log.spoken().size() >= 2; }, 5000));
    std::ranges::copy(log.spoken(), std::back_inserter(news));
    EXPECT_EQ(news, (Names{"Cherry paid", "Line cleared, 15 points, score 15. Level 2"}));
}

TEST_F(AccessibilityTest, ThePointerFindsWhatLiesOnTop) {
    loadAndThen(100, [this] {
        QPushButton* start = form().startButton();
        const QPoint at = start->mapToGlobal(start->rect().center());
        QAccessibleInterface* found = window()->childAt(at.x(), at.y());
        ASSERT_TRUE(found);
        EXPECT_EQ(found->role(), QAccessible::Button);
        QTest::mouseClick(start, Qt::LeftButton);
    });
    // Hidden, the button lets the board through; the level is found at its label.
    const QPoint under = form().startButton()->mapToGlobal(form().startButton()->rect().center());
    EXPECT_EQ(window()->childAt(under.x(), under.y()), boardTable());
    const QPoint label = form().mapToGlobal(QPoint(370, 15));
    QAccessibleInterface* level = window()->childAt(label.x(), label.y());
    ASSERT_TRUE(level);
    EXPECT_TRUE(nameOf(level).startsWith("Level ")) << nameOf(level).toStdString();
}

TEST_F(AccessibilityTest, TheDemoIsAnnouncedOnceAndTheStartOfTheGame) {
    AccessibilityLog log;
    startRealGame();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.spoken().size() >= 2; }, 5000));
    QTest::qWait(SpeechQueue::kGapMs);
    EXPECT_EQ(log.spoken(),
              (Names{"Demo playing. Press Start Game to play.", "New game, level 1"}));
}

TEST_F(AccessibilityTest, ABombTellsTheBlastedCellsAndTheBombsLeft) {
    startRealGame();
    GameState& s = GameSeam::state(game());
    for (Cell& cell : s.picCell) cell.backColor = colour::kPalette[4];
    s.Bombs = 2;
    s.bombSolid = {true, true, false};
    // Centre 52, then three blasts: above, left, below right.
    GameSeam::random(game()).queue({0.5f, 0.0f, 0.0f, 0.0f, 0.3f, 0.99f});
    AccessibilityLog log;

    QTest::keyClick(&form(), Qt::Key_Space);
    const std::vector<Told> told = log.take();
    const Names blast = {"blasted", "empty"};
    EXPECT_EQ(cellNames(told),
              (std::map<int, Names>{{42, blast}, {51, blast}, {52, blast}, {63, blast}}));
    EXPECT_EQ(namesTold(told, named("Bombs 1 of 3")), Names{"Bombs 1 of 3"});
}

// As the window goes, its game goes before its controls: a screen reader that hears them go is
// told nothing of a game no longer there.
TEST(AccessibilityOfAClosingWindow, ItsControlsSayNothingOfTheGameThatWent) {
    auto form = std::make_unique<Form1>(1234);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    AccessibilityLog log;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    for (int i = 0; i < window->childCount(); ++i)
        ASSERT_FALSE(nameOf(window->child(i)).isEmpty()) << i;
    log.take();

    form.reset();
    const std::vector<Told> told = log.take();
    ASSERT_FALSE(told.empty());
    for (const Told& t : told)
        EXPECT_TRUE(t.name.isEmpty() || t.name == "Board" || t.name == "Start Game")
            << t.name.toStdString();
}

TEST_F(AccessibilityTest, TheHourglassTellsEachWholePercentOnce) {
    startRealGame();
    const GameState& s = game().state();
    AccessibilityLog log;
    const double from = s.hourglassFill;
    // At 7 twips a tick, a percent (48 twips) takes about seven ticks.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return s.hourglassFill >= from + 4 * layout::kHourglassFull / 100.0; }, 5000));
    const double to = s.hourglassFill;
    const std::vector<int> values = valuesTold(log.take(), hourglass());
    ASSERT_GE(values.size(), 3u);
    // Time left only falls, by each whole percent the fill gains.
    EXPECT_TRUE(std::ranges::adjacent_find(values, std::less_equal<>()) == values.end())
        << "a percent was told twice";
    const auto percent = [](double fill) { return int(fill * 100 / layout::kHourglassFull); };
    EXPECT_LE(int(values.size()), percent(to) - percent(from) + 2);
    EXPECT_LE(values.front(), 100 - percent(from));
    EXPECT_GE(values.back(), 100 - percent(to) - 1);
}

}  // namespace
}  // namespace quazzle::window
