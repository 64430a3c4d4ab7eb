// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "web/inbox.h"

namespace quazzle::web {

std::int64_t Clock::now() const {
    if (still_) return 0;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() -
                                                                start_)
        .count();
}

void Inbox::put(const Input& input) {
    {
        const std::lock_guard lock(mutex_);
        inputs_.push_back(input);
    }
    arrived_.notify_one();
}

std::optional<Input> Inbox::take() {
    const std::lock_guard lock(mutex_);
    if (inputs_.empty()) return std::nullopt;
    const Input input = inputs_.front();
    inputs_.pop_front();
    return input;
}

std::optional<Input> Inbox::takeBefore(std::int64_t deadlineNs) {
    std::unique_lock lock(mutex_);
    const auto ready = [this] { return !inputs_.empty(); };
    if (!ready() && deadlineNs <= clock_.now()) return std::nullopt;
    if (deadlineNs == kForever || clock_.still()) {
        arrived_.wait(lock, ready);
    } else if (!arrived_.wait_until(lock, clock_.at(deadlineNs), ready)) {
        return std::nullopt;
    }
    const Input input = inputs_.front();
    inputs_.pop_front();
    return input;
}

}  // namespace quazzle::web
