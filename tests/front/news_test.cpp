// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// What the game tells a screen reader as news, and how fast: read from the game between waits.
#include <gtest/gtest.h>

#include "front/news.h"
#include "front/speech_queue.h"

namespace quazzle::accessibility {
namespace {

std::vector<std::string> words(const std::vector<News>& news) {
    std::vector<std::string> out;
    out.reserve(news.size());
    for (const News& n : news) out.push_back(n.words);
    return out;
}

using Words = std::vector<std::string>;

// A real game in progress: level 1, a bomb, no cherry, the hourglass just emptied.
Scene playing() {
    Scene s;
    s.demo = false;
    s.bombs = 1;
    s.level = 1;
    s.lines = kLinesPerLevel;
    return s;
}

// A newsroom that has already seen `first`.
Newsroom seen(const Scene& first) {
    Newsroom room;
    room.look(first);
    return room;
}

TEST(News, TheDemoSaysOneLineAndNothingElse) {
    Newsroom room;
    Scene demo;
    EXPECT_EQ(words(room.look(demo)), Words{"Demo playing. Press Start Game to play."});
    // Its clears, bombs, cherries, time and game overs go unsaid.
    Scene busy = demo;
    busy.score = 40;
    busy.lines = 9;
    busy.level = 2;
    busy.bombs = 2;
    busy.cherry = 12;
    busy.timeLeft = 5;
    EXPECT_TRUE(room.look(busy).empty());
    busy.over = true;
    EXPECT_TRUE(room.look(busy).empty());
    busy.over = false;
    EXPECT_TRUE(room.look(demo).empty());
}

TEST(News, AGameStartsFromTheDemoAndAgainAfterTheGameOver) {
    Newsroom room;
    room.look(Scene{});
    EXPECT_EQ(words(room.look(playing())), Words{"New game, level 1"});

    Scene over = playing();
    over.score = 30;
    over.best = 45;
    over.over = true;
    over.timeLeft = 0;
    EXPECT_EQ(words(room.look(over)), Words{"Game over. Score 30, best 45"});
    // The sweep that follows says nothing.
    over.cherry = -1;
    EXPECT_TRUE(room.look(over).empty());
    Scene again = playing();
    again.best = 45;
    EXPECT_EQ(words(room.look(again)), Words{"New game, level 1"});
}

TEST(News, NothingIsToldWhenNothingTheListenerHearsChanged) {
    Newsroom room = seen(playing());
    EXPECT_TRUE(room.look(playing()).empty());
    // A point for a placement, a dealt piece or a fuller hourglass above the warnings: silence.
    Scene s = playing();
    s.score = 1;
    s.best = 1;
    s.timeLeft = 60;
    EXPECT_TRUE(room.look(s).empty());
    EXPECT_TRUE(room.look(s).empty());
}

TEST(News, ALineClearTellsItsLinesPointsAndScoreFromWhereTheClearBegan) {
    Scene s = playing();
    s.score = 7;  // after the placement's point
    Newsroom room = seen(s);
    s.clearing = true;
    EXPECT_TRUE(room.look(s).empty());
    for (int cell = 0; cell < kBoardSide; ++cell) {
        s.score += 1;
        EXPECT_TRUE(room.look(s).empty());
    }
    s.lines += 1;
    EXPECT_EQ(words(room.look(s)), Words{"Line cleared, 10 points, score 17"});
    // A second line in the same clear is paid from where the first one ended.
    s.score += 12;
    s.lines += 1;
    EXPECT_EQ(words(room.look(s)), Words{"Line cleared, 12 points, score 29"});
}

TEST(News, TheFifthLineAlsoTellsTheLevel) {
    Scene s = playing();
    s.lines = 2 * kLinesPerLevel - 1;
    Newsroom room = seen(s);
    s.lines += 1;
    s.level = 2;
    s.score = 10;
    EXPECT_EQ(words(room.look(s)), (Words{"Line cleared, 10 points, score 10", "Level 2"}));
}

TEST(News, BombsCherriesAndTimeAreToldAsTheyHappen) {
    const struct {
        const char* what;
        void (*change)(Scene&);
        Words told;
    } cases[] = {
        {"bomb earned", [](Scene& s) { s.bombs = 2; }, {"Bomb earned, 2 of 3"}},
        {"bomb used", [](Scene& s) { s.bombs = 0; }, {"Bomb used, 0 left"}},
        {"cherry put down", [](Scene& s) { s.cherry = 47; }, {"Cherry on row 5, column 8"}},
        {"half the time gone", [](Scene& s) { s.timeLeft = 50; }, {"Time low, 50 percent left"}},
        {"two warnings at once", [](Scene& s) { s.timeLeft = 20; }, {"Time low, 25 percent left"}},
    };
    for (const auto& c : cases) {
        Scene s = playing();
        Newsroom room = seen(s);
        c.change(s);
        EXPECT_EQ(words(room.look(s)), c.told) << c.what;
    }
}

TEST(News, TheCherryIsPaidOnlyWhenItLeavesWithPoints) {
    Scene s = playing();
    s.cherry = 36;
    Newsroom room = seen(s);
    Scene paid = s;
    paid.cherry = -1;
    paid.score = 5;
    EXPECT_EQ(words(room.look(paid)), Words{"Cherry paid"});

    Newsroom other = seen(s);
    Scene blasted = s;
    blasted.cherry = -1;
    EXPECT_TRUE(other.look(blasted).empty());
}

TEST(News, ATimeWarningIsToldOnceAsTheTimeFalls) {
    Scene s = playing();
    Newsroom room = seen(s);
    std::vector<std::string> told;
    for (int left = 100; left >= 0; --left) {
        s.timeLeft = left;
        for (const std::string& w : words(room.look(s))) told.push_back(w);
    }
    EXPECT_EQ(told, (Words{"Time low, 50 percent left", "Time low, 25 percent left",
                           "Time low, 10 percent left"}));
}

TEST(SpeechQueue, SpeaksAtMostOnceAGapAndJoinsWhatWaited) {
    SpeechQueue q;
    EXPECT_EQ(q.wait(0), -1);
    q.add({Topic::Bombs, "Bomb earned, 1 of 3"});
    EXPECT_EQ(q.wait(1000), 0);
    EXPECT_EQ(q.take(1000), "Bomb earned, 1 of 3");
    EXPECT_EQ(q.take(1001), std::nullopt);

    q.add({Topic::Level, "Level 2"});
    q.add({Topic::Lines, "Line cleared, 10 points, score 17", 1, 10, 17});
    EXPECT_EQ(q.wait(1500), SpeechQueue::kGapMs - 500);
    EXPECT_EQ(q.take(1000 + SpeechQueue::kGapMs - 1), std::nullopt);
    // Joined in the order a listener needs them: the clear before the level it made.
    EXPECT_EQ(q.take(1000 + SpeechQueue::kGapMs), "Line cleared, 10 points, score 17. Level 2");
    EXPECT_EQ(q.wait(5000), -1);
}

TEST(SpeechQueue, ALaterWordReplacesTheOneStillWaiting) {
    SpeechQueue q;
    q.add({Topic::Demo, "Demo playing. Press Start Game to play."});
    ASSERT_TRUE(q.take(0));
    q.add({Topic::Time, "Time low, 50 percent left"});
    q.add({Topic::Time, "Time low, 25 percent left"});
    q.add({Topic::Lines, "Line cleared, 10 points, score 17", 1, 10, 17});
    q.add({Topic::Lines, "Line cleared, 12 points, score 29", 1, 12, 29});
    EXPECT_EQ(q.take(SpeechQueue::kGapMs),
              "2 lines cleared, 22 points, score 29. Time low, 25 percent left");

    // The end of a game drops what its play left waiting.
    q.add({Topic::Bombs, "Bomb used, 0 left"});
    q.add({Topic::Over, "Game over. Score 29, best 29"});
    EXPECT_EQ(q.take(std::int64_t{10} * SpeechQueue::kGapMs), "Game over. Score 29, best 29");
}

}  // namespace
}  // namespace quazzle::accessibility
