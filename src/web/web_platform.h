// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "front/news.h"
#include "front/speech_queue.h"
#include "front/ticker.h"
#include "game/game.h"
#include "game/platform.h"
#include "web/frames.h"
#include "web/inbox.h"
#include "web/pointer.h"

namespace quazzle::web {

// What the game thread needs of the page.
class Page {
  public:
    Page() = default;
    virtual ~Page() = default;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // Hands the page one message (JSON) to act on in its next animation frame.
    virtual void send(std::string message) = 0;
    // The width in twips of the score label's `text`, as the page draws it.
    virtual double textWidth(const std::string& text) = 0;
};

// The browser's side of the seam, on the game thread: every wait is a loop over the inbox and
// the timers' deadlines, as the simulated platform's is over its queue, with the real clock.
// Before it sleeps, a wait sends the page one frame of what changed.
class WebPlatform : public Platform {
  public:
    WebPlatform(Page& page, Inbox& inbox, const Clock& clock);
    ~WebPlatform() override;
    WebPlatform(const WebPlatform&) = delete;
    WebPlatform& operator=(const WebPlatform&) = delete;

    void attach(Game& game);
    // Handles input and ticks until the program ends.
    void run();

    void pause(double seconds) override;
    void processEvents() override;
    bool ending() const override { return ending_; }
    void settle() override;
    void armTimer(TimerId id, int intervalMs, bool enabled) override;
    void playEffect(std::string_view soundName) override;
    void bindPlayer(Player, const std::string&) override {}
    void playPlayer(Player player) override;
    void stopPlayer(Player player) override;
    std::string exeName() const override { return "quazzle"; }
    void showWindow() override;
    double scoreTextWidth(const std::string& text) override { return page_.textWidth(text); }
    bool askPlayAgain() override;
    void endProgram() override { ending_ = true; }
    void trace(std::string_view) override {}
    void changed(Region region, int index) override;

  private:
    struct Timer {
        std::unique_ptr<Ticker> ticker;
        std::int64_t wakeNs = GridSchedule::kNever;
    };

    // Waits, handling input and ticks, until `done` or the clock reaches `untilNs`.
    void waitUntil(const std::function<bool()>& done, std::int64_t untilNs);
    void handle(const Input& input);
    void wakeDueTimers();
    std::int64_t nextWakeNs() const;
    void flush();
    void gatherNews();
    std::int64_t hourglassTicksAhead() const;

    Page& page_;
    Inbox& inbox_;
    const Clock& clock_;
    Game* game_ = nullptr;
    std::unique_ptr<Frames> frames_;    // made with the game
    std::unique_ptr<Pointer> pointer_;  // made with the game
    std::array<Timer, kTimerCount> timers_;
    accessibility::Newsroom newsroom_;
    accessibility::SpeechQueue speech_;
    double ratio_ = 1;
    bool shown_ = false;
    bool ending_ = false;
    int prompts_ = 0;  // prompts up, innermost last
    std::optional<bool> answer_;
};

}  // namespace quazzle::web
