// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The browser's side of the seam, natively: its inbox, its nested waits, its timers and the
// frames it sends the page, with a page that answers as the real one would.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "front/hourglass_wake.h"
#include "game/layout.h"
#include "support/game_seam.h"
#include "web/web_platform.h"

namespace quazzle::web {
namespace {

using namespace std::chrono_literals;

TEST(Inbox, TakesInputFromAnotherThreadOrGivesUpAtItsDeadline) {
    const Clock clock;
    Inbox inbox(clock);
    std::thread page([&] {
        std::this_thread::sleep_for(20ms);
        inbox.put({Input::Kind::Start});
    });
    const auto woken = inbox.takeBefore(clock.now() + 60'000'000'000);
    page.join();
    ASSERT_TRUE(woken.has_value()) << "the wait was not woken by the input";
    EXPECT_EQ(woken->kind, Input::Kind::Start);

    const std::int64_t deadline = clock.now() + 30'000'000;
    EXPECT_FALSE(inbox.takeBefore(deadline).has_value());
    EXPECT_GE(clock.now(), deadline) << "gave up before the deadline";
    EXPECT_FALSE(inbox.takeBefore(0).has_value()) << "a deadline passed waits for nothing";
}

TEST(Inbox, AStillClockWaitsForInputAlone) {
    const Clock still(true);
    Inbox inbox(still);
    std::thread page([&] {
        std::this_thread::sleep_for(50ms);
        inbox.put({Input::Kind::Answer, 0, 0, 1});
    });
    const auto input = inbox.takeBefore(1);  // a nanosecond, on a clock that never gets there
    page.join();
    ASSERT_TRUE(input.has_value());
    EXPECT_EQ(input->code, 1);
}

// A page that keeps every message and may answer it at once, as the real page's thread would.
class FakePage : public Page {
  public:
    std::vector<std::string> messages;
    std::function<void(const std::string&)> onMessage;

    void send(std::string message) override {
        messages.push_back(message);
        if (onMessage) onMessage(messages.back());
    }
    double textWidth(const std::string& text) override { return 300.0 * double(text.size()); }

    int count(const std::string& part) const {
        return int(std::ranges::count_if(
            messages, [&](const std::string& m) { return m.find(part) != std::string::npos; }));
    }
};

class WebGame : public ::testing::Test {
  protected:
    WebGame() { platform.attach(game); }

    GameState& state() { return GameSeam::state(game); }
    void put(Input input) { inbox.put(input); }

    // Start-up and the demo, until Start is pressed as the demo's first picture is shown.
    void startRealGame() {
        bool pressed = false;
        page.onMessage = [&](const std::string& m) {
            if (!pressed && m.find("\"frame\"") != std::string::npos) put({Input::Kind::Start});
            pressed = pressed || m.find("\"frame\"") != std::string::npos;
        };
        game.load();
        page.onMessage = nullptr;
    }

    // The middle of cell `index`, in window pixels.
    static Input at(Input::Kind kind, int index) {
        const int row = index / 10;
        const int column = index % 10;
        return {kind, 24 + 32.0 * column + 16, 8 + 32.0 * row + 16};
    }

    void holdADot() {
        state().thePiece = "DOT";
        state().Tag = std::to_string(colour::kRed);
    }

    Clock clock;
    Inbox inbox{clock};
    FakePage page;
    WebPlatform platform{page, inbox, clock};
    Game game{platform, 7};
};

TEST_F(WebGame, StartPressedInsideTheDemosWaitLeavesNothingOfTheDemo) {
    startRealGame();
    // load() returned: the demo's step was abandoned inside its wait.
    EXPECT_FALSE(state().isDemo);
    EXPECT_FALSE(state().startButtonVisible);
    EXPECT_EQ(state().Score, 0);
    platform.pause(0.3);  // a demo still stepping would place a piece every 0.07 s
    EXPECT_TRUE(std::ranges::all_of(state().picCell,
                                    [](const Cell& c) { return c.backColor == colour::kEmpty; }));
    EXPECT_EQ(page.messages.front().rfind("{\"hello\":", 0), 0u) << "the layout comes first";
    EXPECT_EQ(page.count("\"start\":false"), 1);
}

TEST_F(WebGame, TheHourglassTicksOnTheGridAndWakesOnlyForWhatShows) {
    startRealGame();
    const double from = state().hourglassFill;
    page.messages.clear();
    platform.pause(0.5);
    // Every tick of the half second counted, each with its own step.
    const double ticks = (state().hourglassFill - from) / layout::kHourglassStep;
    EXPECT_EQ(ticks, std::floor(ticks));
    EXPECT_GE(ticks, 32);
    // Each frame the hourglass sent shows a bar of another length: no wake for nothing.
    std::vector<int> bars;
    for (const std::string& m : page.messages)
        if (const auto at = m.find("\"hourglass\":"); at != std::string::npos)
            bars.push_back(hourglassBar(std::stod(m.substr(at + 12)), 1.0));
    ASSERT_GE(bars.size(), 10u);
    EXPECT_EQ(std::ranges::adjacent_find(bars), bars.end()) << "a frame with no new pixel";
    EXPECT_LE(bars.size(), 40u) << "woke for every tick";
}

TEST_F(WebGame, ThePromptWaitsForItsAnswerAndHasThePlayersInputToItself) {
    startRealGame();
    state().Bombs = 1;
    state().bombSolid = {true, false, false};
    state().hourglassFill = layout::kHourglassFull - layout::kHourglassStep;
    int prompts = 0;
    bool refilled = false;
    page.onMessage = [&](const std::string& m) {
        if (m.find("\"prompt\":") != std::string::npos) {
            ++prompts;
            // Space and the pointer while the prompt is up do nothing to the game.
            put({Input::Kind::KeyReleased, 0, 0, kSpaceKey});
            put(at(Input::Kind::PointerMoved, 44));
            put({Input::Kind::Answer, 0, 0, prompts == 1 ? 1 : 0});
        } else if (prompts == 1 && !refilled && m.find("\"score\"") != std::string::npos) {
            // Yes began a new game; its hourglass is nearly full at once.
            state().hourglassFill = layout::kHourglassFull - layout::kHourglassStep;
            refilled = true;
        }
    };
    platform.run();  // until No ends the program
    EXPECT_EQ(prompts, 2);
    EXPECT_TRUE(platform.ending());
    EXPECT_EQ(page.count("[\"play\",2]"), 0) << "a bomb went off under the prompt";
    EXPECT_EQ(page.count("Final score 1, best"), 0) << "no placement was made";
}

TEST_F(WebGame, AClickIsAPressAndAReleaseOnOneCellAndATapHoversFirst) {
    startRealGame();
    holdADot();
    // A tap: no move before the press.
    put(at(Input::Kind::PointerDown, 5));
    put(at(Input::Kind::PointerUp, 5));
    platform.processEvents();
    EXPECT_EQ(state().picCell[5].backColor, colour::kRed);

    holdADot();
    put(at(Input::Kind::PointerMoved, 6));
    put(at(Input::Kind::PointerDown, 6));
    put(at(Input::Kind::PointerUp, 7));  // let go over the next cell: no click
    platform.processEvents();
    EXPECT_NE(state().picCell[6].backColor, colour::kRed);
    EXPECT_NE(state().picCell[7].backColor, colour::kRed);
}

TEST_F(WebGame, TheBackgroundWipesTheMarksAndTheControlsKeepThePointer) {
    startRealGame();
    holdADot();
    put(at(Input::Kind::PointerMoved, 33));
    platform.processEvents();
    ASSERT_EQ(state().picCell[33].backColor, colour::kHoverMark);
    put({Input::Kind::PointerMoved, 10, 380});  // the hourglass's column, below it: no control
    platform.processEvents();
    EXPECT_EQ(state().picCell[33].backColor, colour::kEmpty);

    put(at(Input::Kind::PointerMoved, 33));
    put({Input::Kind::PointerMoved, 12, 100});  // over the hourglass, which keeps it
    platform.processEvents();
    EXPECT_EQ(state().picCell[33].backColor, colour::kHoverMark);
}

TEST_F(WebGame, ACellsNameIsToldOnceAndTheCellUnderThePointerSaysWhetherItFits) {
    startRealGame();
    holdADot();
    page.messages.clear();
    put(at(Input::Kind::PointerMoved, 12));
    platform.processEvents();
    platform.pause(0.05);
    EXPECT_EQ(page.count("[12,\"row 2, column 3: fits\"]"), 1);
    put(at(Input::Kind::PointerMoved, 13));
    platform.processEvents();
    platform.pause(0.05);
    EXPECT_EQ(page.count("[12,\"row 2, column 3: empty\"]"), 1);
    EXPECT_EQ(page.count("[13,\"row 2, column 4: fits\"]"), 1);
    EXPECT_EQ(page.count("row 2, column 3: fits"), 1) << "told again though unchanged";
}

}  // namespace
}  // namespace quazzle::web
