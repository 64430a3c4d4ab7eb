// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "key_presses.h"

namespace quazzle {

namespace {
// Whether `a` comes after `b` on a window system's clock of milliseconds, which may wrap at
// 32 bits (the X server's does after 49 days).
bool later(std::uint64_t a, std::uint64_t b) { return a > b || b - a > 0x8000'0000u; }
}  // namespace

KeyPresses KeyPresses::from(std::uint64_t since) const {
    KeyPresses next(since);
    for (const auto& [key, counted] : down_) next.down_[key] = false;
    return next;
}

bool KeyPresses::pressed(int key, std::uint64_t at, bool repeat) {
    // Down already: a repeat, flagged or not.
    if (down_.contains(key)) return false;
    bool now = !repeat;
    if (now && at != 0) {
        // Stamped before listening began: a key held from before.
        if (since_ != 0 && !later(at, since_)) now = false;
        // The press half of a repeat's pair, whose release half came unflagged.
        const auto release = lastRelease_.find(key);
        if (release != lastRelease_.end() && release->second == at) now = false;
    }
    down_[key] = now;
    return now;
}

bool KeyPresses::released(int key, std::uint64_t at, bool repeat) {
    lastRelease_[key] = at;
    if (repeat) return false;  // the key is still down
    const auto down = down_.find(key);
    if (down == down_.end()) return false;  // pressed where this window did not hear it
    const bool counted = down->second;
    down_.erase(down);
    return counted;
}

}  // namespace quazzle
