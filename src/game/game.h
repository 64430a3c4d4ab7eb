// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "board/pieces.h"
#include "board/random.h"
#include "game/game_state.h"
#include "game/platform.h"

namespace quazzle {

inline constexpr int kSpaceKey = 32;
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// One game window's rules. Every routine runs on the window's thread; a routine that pauses lets
// the platform run other routines (ticks, input) before it goes on.
class Game {
  public:
    Game(Platform& platform, std::uint32_t seed);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    const GameState& state() const { return st_; }

    // Entry points from the toolkit. Each runs its routine to the end, or unwinds it quietly when
    // the start button or the end of the program has made it obsolete.
    void load();                                     // start-up, then the demo until Start
    void pointerMoved(int index, float x, float y);  // the player's pointer inside a cell
    void clicked(int index);                         // the player's click on a cell
    void backgroundMoved();                          // pointer over the window's own surface
    void keyReleased(int keyCode);                   // Space sets off a bomb
    void startPressed();                             // ends the demo for good, starts a game
    void timerTicked(TimerId id);

    // Board, pieces and lines.
    Colour RandomColor();                      // a colour among the first theLevel of the palette
    void DoEr();                               // every hover mark back to empty
    void BoardAblement(std::int16_t theAble);  // -1 lets the player's pointer reach every cell
    void ChangePiece();                        // deals the next piece and paints the preview
    // Shows in black where the piece in hand would land, all or nothing.
    void picCell_MouseMove(int index, int button, int shift, float x, float y);
    void ClearTheCells();           // hover marks and stray pictures off the whole board
    void picCell_Click(int index);  // places the piece where it is marked, then checks lines
    void theChecker();              // clears and pays every complete one-colour line
    void GameOver();                // end sounds, sweep, then the prompt or the demo's restart

    // Game flow.
    void NewGame();         // the starting state of a real game
    void experienceStep();  // one cleared line; five raise the level
    void LevelMark();       // the level into the four corner labels
    // Paints `lPercentComplete` of `lMaxPercentage` into the bar; 0, or an error code.
    std::int32_t DrawProgressBar(ProgressImage& pbProgress, std::int32_t lPercentComplete,
                                 std::int32_t lMaxPercentage, Colour lBackColor, Colour lForeColor);
    void Timer1_Timer();    // the hourglass fills; full ends the game
    void Timer2_Timer();    // a cherry on a random cell
    void Timer3_Timer();    // a bomb earned, up to three
    void ResetHourglass();  // the placement's point, sound and next piece
    void UseBomb();         // blasts a random cluster, if a bomb is held
    void Demo();            // sweeps the board cell by cell until Start
    void Command1_Click();  // the start button
    void KeyUp(int keyCode);
    void refreshScore();         // raises the best score and rewrites the label
    void Pause(double seconds);  // waits while events run; unwinds an obsolete routine

    bool gameOverRunning() const { return gameOverEpoch_ == epoch_; }

  private:
    // Tests set a board up and script the draws through it; nothing in the game does.
    friend class GameSeam;

    template <class Routine>
    void entry(Routine&& routine);
    template <class Routine>
    void run(Routine&& routine);
    void startUp();
    // A new game (the start button, Yes at the prompt, the demo's restart) begins a new epoch:
    // every routine still waiting from the game before unwinds at its next wait.
    void beginEpoch() { ++epoch_; }
    void unwindIfObsolete(std::uint64_t epoch) const;
    template <class Step>
    void demoStep(Step&& step);
    void endProgram();

    void setTimerInterval(TimerId id, int ms);
    void setTimerEnabled(TimerId id, bool on);
    TimerSetting& timer(TimerId id) { return st_.timers[static_cast<int>(id)]; }

    void setColour(int index, Colour c);
    void setPicture(int index, Picture picture);
    void clearLine(const std::array<int, kBoardSide>& line);
    void payCherry(int index);
    void blast(int index);
    void showBombIcons();
    void drawXpBar(std::int32_t full);
    void demoReset();

    Platform& platform_;
    Random rng_;
    GameState st_;
    std::uint64_t epoch_ = 0;
    std::optional<std::uint64_t> gameOverEpoch_;
};

}  // namespace quazzle
