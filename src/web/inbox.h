// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

namespace quazzle::web {

// What the page can tell the game.
struct Input {
    enum class Kind {
        PointerMoved,
        PointerDown,
        PointerUp,
        PointerLeft,
        KeyReleased,
        Start,
        Answer,
        Ratio
    };
    Kind kind;
    double x = 0;  // window pixels; the ratio for Ratio
    double y = 0;
    int code = 0;  // the key, or 1 for Yes
};

// The game thread's clock: nanoseconds since it started. A still clock never moves, so that
// nothing the clock drives ever happens: the page's tests look at a frozen first frame.
class Clock {
  public:
    explicit Clock(bool still = false) : still_(still) {}
    std::int64_t now() const;
    bool still() const { return still_; }
    std::chrono::steady_clock::time_point at(std::int64_t ns) const {
        return start_ + std::chrono::nanoseconds(ns);
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool still_;
};

// The one queue between the page and the game: the page's thread puts input in, the game thread
// takes it out, waiting without spinning until input comes or a deadline passes.
class Inbox {
  public:
    static constexpr std::int64_t kForever = INT64_MAX;

    explicit Inbox(const Clock& clock) : clock_(clock) {}

    void put(const Input& input);
    // The oldest input, at once, if there is any.
    std::optional<Input> take();
    // The oldest input, waiting for one until the clock reaches `deadlineNs`; nothing once it
    // has (or at once, when the deadline has passed).
    std::optional<Input> takeBefore(std::int64_t deadlineNs);

  private:
    const Clock& clock_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<Input> inputs_;
};

}  // namespace quazzle::web
