// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "support/sim_platform.h"

#include <algorithm>
#include <cmath>

namespace quazzle::sim {

void SimPlatform::at(double time, std::function<void()> event) {
    queue_.emplace(Key{std::max(time, now_), order_++}, std::move(event));
}

void SimPlatform::pause(double seconds) {
    if (seconds <= 0 || ending_) return;
    ++pauseDepth;
    maxPauseDepth = std::max(maxPauseDepth, pauseDepth);
    const double until = now_ + seconds;
    runDue(until);
    if (!ending_) now_ = std::max(now_, until);
    --pauseDepth;
}

void SimPlatform::runDue(double until) {
    while (!ending_ && !queue_.empty() && queue_.begin()->first.time <= until) {
        auto node = queue_.extract(queue_.begin());
        now_ = std::max(now_, node.key().time);
        if (beforeEvent) beforeEvent();
        node.mapped()();
        if (afterEvent) afterEvent();
    }
}

void SimPlatform::armTimer(TimerId id, int intervalMs, bool enabled) {
    const int timer = static_cast<int>(id);
    const std::uint64_t generation = ++generation_[timer];
    if (!enabled || intervalMs <= 0) return;
    const double period = std::ceil(intervalMs / (1000 * kTimerPeriod)) * kTimerPeriod;
    const double due = now_ + period;
    at(due, [=, this] { tick(timer, generation, due, period); });
}

void SimPlatform::tick(int timer, std::uint64_t generation, double due, double period) {
    if (generation != generation_[timer]) return;
    // The next tick is booked before this one runs, so a tick that waits does not stop its timer.
    at(due + period, [=, this] { tick(timer, generation, due + period, period); });
    ++ticks[timer];
    if (game_) game_->timerTicked(static_cast<TimerId>(timer));
}

void SimPlatform::playEffect(std::string_view soundName) {
    effects.push_back({now_, std::string(soundName)});
}

void SimPlatform::bindPlayer(Player player, const std::string& locator) {
    bound[static_cast<int>(player)] = locator.substr(locator.rfind('/') + 1);
}

void SimPlatform::playPlayer(Player player) {
    playerPlays.push_back({now_, bound[static_cast<int>(player)]});
}

double SimPlatform::scoreTextWidth(const std::string& text) {
    // 237 twips a character: "0   0" measures the label's design width of 1185.
    return 237.0 * static_cast<double>(text.size());
}

bool SimPlatform::askPlayAgain() {
    ++prompts;
    pause(promptSeconds);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

}  // namespace quazzle::sim
