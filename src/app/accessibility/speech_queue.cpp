// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/speech_queue.h"

#include <QStringList>
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

qint64 SpeechQueue::wait(qint64 nowMs) const {
    if (waiting_.empty()) return -1;
    if (!spokenMs_) return 0;
    return std::max<qint64>(0, *spokenMs_ + kGapMs - nowMs);
}

std::optional<QString> SpeechQueue::take(qint64 nowMs) {
    if (wait(nowMs) != 0) return std::nullopt;
    QStringList parts;
    for (const News& news : waiting_) parts << news.words;
    waiting_.clear();
    spokenMs_ = nowMs;
    return parts.join(QStringLiteral(". "));
}

}  // namespace quazzle::accessibility
