// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The end of a game: sounds, the sweep, then the prompt or the demo's restart.
#include "game/game.h"
#include "game/sounds.h"
#include "game/timings.h"

namespace quazzle {

namespace {
// Marks the game-over sequence as running for as long as it is on the stack.
class GameOverScope {
  public:
    GameOverScope(std::optional<std::uint64_t>& running, std::uint64_t epoch)
        : running_(running), epoch_(epoch) {
        running_ = epoch;
    }
    // An abandoned sequence unwinding late must not clear a newer game's mark.
    ~GameOverScope() {
        if (running_ == epoch_) running_.reset();
    }
    GameOverScope(const GameOverScope&) = delete;
    GameOverScope& operator=(const GameOverScope&) = delete;

  private:
    std::optional<std::uint64_t>& running_;
    std::uint64_t epoch_;
};
}  // namespace

void Game::GameOver() {
    const GameOverScope scope(gameOverEpoch_, epoch_);
    setTimerInterval(TimerId::Timer3, 0);

    platform_.playEffect(sound::kQuazzle);
    Pause(timing::kBetweenEndSounds);
    platform_.playEffect(sound::kOver);

    for (int i = 0; i < kCellCount; ++i) {
        st_.picCell[i].tag.clear();
        setPicture(i, Picture::None);
        setColour(i, colour::kClearFlash);
        Pause(timing::kSweepStep);
        setColour(i, colour::kEmpty);
        Pause(timing::kSweepStep);
    }

    if (st_.isDemo) {
        demoReset();
        return;
    }
    const std::uint64_t epoch = epoch_;
    const bool again = platform_.askPlayAgain();
    unwindIfObsolete(epoch);
    if (!again) endProgram();
    // Whatever of the ended game still waits (a blast the game over ran inside, say) unwinds
    // instead of going on in the new one.
    beginEpoch();
    NewGame();
}

void Game::demoReset() {
    Pause(timing::kBeforeDemoRestart);
    // The demo's next game: only the demo's own loop goes on from the lost one.
    beginEpoch();
    st_.theLevel = 1;
    st_.theXP = 0;
    LevelMark();
    drawXpBar(kDemoRestartBarScale);
    st_.Score = 0;
    refreshScore();
    st_.hourglassFill = 0;
    platform_.changed(Region::Hourglass, 0);
    setTimerInterval(TimerId::Timer1, timing::kHourglassTickMs);
    setTimerInterval(TimerId::Timer2, timing::kFirstCherryMs);
    setTimerInterval(TimerId::Timer3, timing::kBombEarnMs);
    ChangePiece();
}

}  // namespace quazzle
