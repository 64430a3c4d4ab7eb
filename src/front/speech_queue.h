// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "front/news.h"

namespace quazzle::accessibility {

// Holds news until it may be spoken: one utterance at most every kGapMs, so that each is heard
// to its end. News that waits is joined into the next utterance; a later word on the same topic
// replaces the one still waiting (line clears add up), and the end or start of a game drops
// whatever the game before it left waiting.
class SpeechQueue {
  public:
    static constexpr int kGapMs = 1200;

    void add(const News& news);
    // Milliseconds from `nowMs` until something may be spoken, or -1 when nothing waits.
    std::int64_t wait(std::int64_t nowMs) const;
    // The utterance due at `nowMs`, if any; it counts as spoken.
    std::optional<std::string> take(std::int64_t nowMs);

  private:
    std::vector<News> waiting_;
    std::optional<std::int64_t> spokenMs_;
};

}  // namespace quazzle::accessibility
