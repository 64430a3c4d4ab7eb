// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <map>

namespace quazzle {

// Which presses and releases of keys are the player's own, as one window hears them. A held key
// repeats: as further presses (X11 asked for detectable auto-repeat), or as release and press
// pairs stamped alike, which the toolkit flags as repeats when it can tell (a Wayland client's
// own repeat always, X11's not always). Only the key's first press and its last release are the
// player's, so a release spends or answers something at most once a press, however long the key
// was held and whichever repeats went unflagged. Times are the window system's milliseconds
// (0: unstamped).
class KeyPresses {
  public:
    // Listening from `since` (0: from the first key heard): a press stamped no later is not one.
    explicit KeyPresses(std::uint64_t since = 0) : since_(since) {}

    // A listener that starts at `since`, to which the keys down here now are held from before:
    // their repeats and their release are not its own.
    KeyPresses from(std::uint64_t since) const;

    // A key went down; true when the player pressed it now.
    bool pressed(int key, std::uint64_t at, bool repeat);
    // A key came up; true when that ends a press that pressed() counted.
    bool released(int key, std::uint64_t at, bool repeat);

    // The keyboard went to another window: a key down now may come up where this one cannot
    // hear it.
    void forget() { down_.clear(); }

  private:
    std::uint64_t since_;
    std::map<int, bool> down_;  // the keys down, and whether their press counted
    std::map<int, std::uint64_t> lastRelease_;
};

}  // namespace quazzle
