// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Finding complete one-colour lines, clearing them and paying for them.
#include "board/lines.h"
#include "game/game.h"
#include "game/sounds.h"
#include "game/timings.h"

namespace quazzle {

namespace {
constexpr int kCherryBonus = 5;
}  // namespace

void Game::theChecker() {
    // Rows first: a row that clears empties a cell of every column, so no column follows it.
    for (LineKind kind : {LineKind::Row, LineKind::Column})
        for (int n = 0; n < kBoardSide; ++n) {
            const auto line = lineCells(kind, n);
            if (isComplete(st_.picCell, line)) clearLine(line);
        }
    if (st_.isDemo) UseBomb();
}

void Game::clearLine(const std::array<int, kBoardSide>& line) {
    platform_.playEffect(sound::kScore);
    for (int index : line) {
        BoardAblement(kFalse);
        if (st_.picCell[index].tag == kCherryTag) payCherry(index);
        setPicture(index, Picture::None);
        setColour(index, colour::kClearFlash);
        Pause(timing::kLineFlash);
        setColour(index, colour::kEmpty);
        st_.Score += st_.theLevel;
        refreshScore();
    }
    experienceStep();
    drawXpBar(kLinesPerLevel);
    BoardAblement(kTrue);
    setTimerEnabled(TimerId::Timer1, true);
    setTimerEnabled(TimerId::Timer2, true);
}

void Game::payCherry(int index) {
    st_.Score += kCherryBonus;
    // The best score never lags the score, not even while the cherry's cell flashes.
    refreshScore();
    st_.picCell[index].tag.clear();
    setPicture(index, Picture::None);
    setTimerInterval(TimerId::Timer2,
                     rng_.below(timing::kCherryRearmSpanMs) + timing::kCherryRearmMinMs);
}

}  // namespace quazzle
