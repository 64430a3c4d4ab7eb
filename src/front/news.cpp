// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "front/news.h"

#include <algorithm>
#include <array>

#include "board/lines.h"
#include "front/spoken.h"

namespace quazzle::accessibility {

namespace {
// Time left at which the player is warned, most urgent last.
constexpr std::array<int, 3> kTimeWarnings = {50, 25, 10};

std::string where(int cell) {
    return "row " + std::to_string(rowOf(cell) + 1) + ", column " +
           std::to_string(columnOf(cell) + 1);
}

void timeNews(const Scene& before, const Scene& now, std::vector<News>& out) {
    const auto crossed =
        std::ranges::find_if(kTimeWarnings.rbegin(), kTimeWarnings.rend(),
                             [&](int t) { return before.timeLeft > t && now.timeLeft <= t; });
    if (crossed != kTimeWarnings.rend())
        out.push_back({Topic::Time, "Time low, " + std::to_string(*crossed) + " percent left"});
}

void bombNews(const Scene& before, const Scene& now, std::vector<News>& out) {
    if (now.bombs > before.bombs)
        out.push_back({Topic::Bombs, "Bomb earned, " + std::to_string(now.bombs) + " of " +
                                         std::to_string(kBombSlots)});
    else if (now.bombs < before.bombs)
        out.push_back({Topic::Bombs, "Bomb used, " + std::to_string(now.bombs) + " left"});
}

void cherryNews(const Scene& before, const Scene& now, std::vector<News>& out) {
    if (now.cherry >= 0 && now.cherry != before.cherry)
        out.push_back({Topic::Cherry, "Cherry on " + where(now.cherry)});
    else if (before.cherry >= 0 && now.cherry < 0 && now.score > before.score)
        out.push_back({Topic::Cherry, "Cherry paid"});
}
}  // namespace

Scene sceneOf(const GameState& s, bool gameOverRunning) {
    Scene scene{s.isDemo,
                gameOverRunning,
                false,
                s.Score,
                s.TopScore,
                s.theLevel,
                s.theLevel * kLinesPerLevel + s.theXP,
                s.Bombs,
                -1,
                spoken::timeLeftPercent(s)};
    for (int i = 0; i < kCellCount; ++i) {
        if (s.picCell[i].backColor == colour::kClearFlash) scene.clearing = true;
        if (s.picCell[i].tag == kCherryTag) scene.cherry = i;
    }
    return scene;
}

std::string linesWords(int lines, int points, int score) {
    const std::string what =
        lines == 1 ? std::string("Line cleared") : std::to_string(lines) + " lines cleared";
    return what + ", " + std::to_string(points) + " points, score " + std::to_string(score);
}

std::vector<News> Newsroom::look(const Scene& now) {
    std::vector<News> news;
    if (now.demo && !demoTold_) {
        demoTold_ = true;
        news.push_back({Topic::Demo, "Demo playing. Press Start Game to play."});
    } else if (last_) {
        news = between(*last_, now);
    }
    // A clear is paid from the score it began at.
    if (!now.clearing || !last_ || !last_->clearing) scoreBeforeClear_ = now.score;
    last_ = now;
    return news;
}

std::vector<News> Newsroom::between(const Scene& before, const Scene& now) {
    if (now.demo) return {};
    if (before.demo || (before.over && !now.over))
        return {{Topic::Game, "New game, level " + std::to_string(now.level)}};
    if (now.over) {
        if (before.over) return {};
        return {{Topic::Over, "Game over. Score " + std::to_string(now.score) + ", best " +
                                  std::to_string(now.best)}};
    }
    std::vector<News> news;
    if (const int lines = now.lines - before.lines; lines > 0) {
        const int points = now.score - scoreBeforeClear_;
        news.push_back(
            {Topic::Lines, linesWords(lines, points, now.score), lines, points, now.score});
        scoreBeforeClear_ = now.score;
    }
    if (now.level > before.level)
        news.push_back({Topic::Level, "Level " + std::to_string(now.level)});
    cherryNews(before, now, news);
    bombNews(before, now, news);
    timeNews(before, now, news);
    return news;
}

}  // namespace quazzle::accessibility
