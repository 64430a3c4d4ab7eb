// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "front/speech_queue.h"

#include <algorithm>

namespace quazzle::accessibility {

void SpeechQueue::add(const News& news) {
    if (news.topic == Topic::Over || news.topic == Topic::Game) waiting_.clear();
    const auto same = std::ranges::find(waiting_, news.topic, &News::topic);
    if (same == waiting_.end()) {
        waiting_.push_back(news);
        std::ranges::stable_sort(waiting_, {}, &News::topic);
    } else if (news.topic == Topic::Lines) {
        same->lines += news.lines;
        same->points += news.points;
        same->words = linesWords(same->lines, same->points, news.score);
    } else {
        *same = news;
    }
}

std::int64_t SpeechQueue::wait(std::int64_t nowMs) const {
    if (waiting_.empty()) return -1;
    if (!spokenMs_) return 0;
    return std::max<std::int64_t>(0, *spokenMs_ + kGapMs - nowMs);
}

std::optional<std::string> SpeechQueue::take(std::int64_t nowMs) {
    if (wait(nowMs) != 0) return std::nullopt;
    std::string words;
    for (const News& news : waiting_) words += (words.empty() ? "" : ". ") + news.words;
    waiting_.clear();
    spokenMs_ = nowMs;
    return words;
}

}  // namespace quazzle::accessibility
