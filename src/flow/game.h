#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "board/pieces.h"
#include "board/random.h"
#include "flow/game_state.h"
#include "flow/platform.h"

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
    GameState& editState() { return st_; }
    Random& random() { return rng_; }

    // Entry points from the toolkit. Each runs its routine to the end, or unwinds it quietly when
    // the start button or the end of the program has made it obsolete.
    void load();
    void pointerMoved(int index, float x, float y);  // the player's pointer inside a cell
    void clicked(int index);                         // the player's click on a cell
    void backgroundMoved();                          // pointer over the window's own surface
    void keyReleased(int keyCode);
    void startPressed();
    void timerTicked(TimerId id);

    // Board, pieces and lines.
    Colour RandomColor();
    void DoEr();
    void BoardAblement(std::int16_t theAble);
    void ChangePiece();
    void picCell_MouseMove(int index, int button, int shift, float x, float y);
    void ClearTheCells();
    void picCell_Click(int index);
    void theChecker();
    void GameOver();

    // Game flow.
    void NewGame();
    void experienceStep();
    void LevelMark();
    std::int32_t DrawProgressBar(ProgressImage& pbProgress, std::int32_t lPercentComplete,
                                 std::int32_t lMaxPercentage, Colour lBackColor, Colour lForeColor);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void ResetHourglass();
    void UseBomb();
    void Demo();
    void Command1_Click();
    void KeyUp(int keyCode);
    void refreshScore();
    void Pause(double seconds);

    bool gameOverRunning() const { return gameOverEpoch_ == epoch_; }

  private:
    template <class Routine>
    void entry(Routine&& routine);
    void startUp();
    void unwindIfObsolete(std::uint64_t epoch) const;
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
