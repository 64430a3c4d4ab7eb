// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Which presses and releases are the player's: the one rule the window and the prompt share.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "key_presses.h"

namespace quazzle {
namespace {

constexpr int kSpace = 0x20;
constexpr int kA = 0x41;

struct Stroke {
    bool down;
    std::uint64_t at;
    bool repeat = false;
    int key = kSpace;
};

Stroke press(std::uint64_t at, int key = kSpace) { return {true, at, false, key}; }
Stroke release(std::uint64_t at, int key = kSpace) { return {false, at, false, key}; }
Stroke flaggedPress(std::uint64_t at) { return {true, at, true}; }
Stroke flaggedRelease(std::uint64_t at) { return {false, at, true}; }

// The strokes whose release ends a counted press, by their place in `strokes`.
std::vector<int> endsOfPresses(KeyPresses& keys, const std::vector<Stroke>& strokes) {
    std::vector<int> ends;
    for (int i = 0; i < int(strokes.size()); ++i) {
        const Stroke& s = strokes[i];
        const bool counted =
            s.down ? keys.pressed(s.key, s.at, s.repeat) : keys.released(s.key, s.at, s.repeat);
        if (!s.down && counted) ends.push_back(i);
    }
    return ends;
}

// A key pressed at 1000 and held past the repeat delay, repeating every 40 ms in `pairs` pairs
// (or presses alone); the last stroke is the real release.
std::vector<Stroke> held(int pairs, const std::string& how) {
    std::vector<Stroke> strokes{press(1000)};
    for (int k = 1; k <= pairs; ++k) {
        const std::uint64_t at = 1000 + 500 + 40 * k;
        if (how == "presses") {  // detectable auto-repeat
            strokes.push_back(press(at));
        } else if (how == "wayland") {  // the client's repeat, stamped as the first press
            strokes.push_back(flaggedRelease(1000));
            strokes.push_back(flaggedPress(1000));
        } else if (how == "flagged" || (how == "some unflagged" && k % 3 != 1)) {
            strokes.push_back(flaggedRelease(at));
            strokes.push_back(flaggedPress(at));
        } else {  // a pair the toolkit could not tell from keys
            strokes.push_back(release(at));
            strokes.push_back(press(at));
        }
    }
    strokes.push_back(release(1000 + 500 + 40 * pairs + 25));
    return strokes;
}

TEST(KeyPresses, AKeyHeldDownEndsOnePressOnItsLastRelease) {
    const struct {
        const char* name;
        std::vector<Stroke> strokes;
    } cases[] = {
        {"pressed and released", held(0, "flagged")},
        {"repeating as presses", held(12, "presses")},
        {"repeating as flagged pairs", held(12, "flagged")},
        {"repeating on Wayland", held(12, "wayland")},
    };
    for (const auto& c : cases) {
        KeyPresses keys;
        EXPECT_EQ(endsOfPresses(keys, c.strokes), std::vector<int>{int(c.strokes.size()) - 1})
            << c.name;
    }
}

// When the toolkit cannot tell a repeat's release from a key's, that release ends the press:
// once, however many go unflagged, and the last release then ends nothing.
TEST(KeyPresses, UnflaggedRepeatsEndThePressOnceAtTheFirst) {
    for (const char* how : {"some unflagged", "unflagged"}) {
        KeyPresses keys;
        EXPECT_EQ(endsOfPresses(keys, held(12, how)), std::vector<int>{1}) << how;
    }
}

TEST(KeyPresses, EachPressAndReleaseCountsAndKeysCountApart) {
    KeyPresses keys;
    const std::vector<Stroke> strokes{press(100),     release(180), press(300),
                                      press(310, kA), release(320), release(400, kA)};
    EXPECT_EQ(endsOfPresses(keys, strokes), (std::vector<int>{1, 4, 5}));
}

TEST(KeyPresses, AReleaseWhosePressWasNotHeardEndsNothing) {
    KeyPresses keys;
    EXPECT_EQ(endsOfPresses(keys, {release(100), flaggedRelease(140), press(200), release(260)}),
              std::vector<int>{3})
        << "released here, pressed in another window";

    KeyPresses gone;
    EXPECT_EQ(endsOfPresses(gone, {press(100)}), std::vector<int>{});
    gone.forget();  // the keyboard went to another window, where the key came up
    EXPECT_EQ(endsOfPresses(gone, {release(5000), press(6000), release(6080)}),
              std::vector<int>{2});
}

// A listener that began at 5000 (the prompt as it appeared): a key pressed before then, whose
// press or repeats it hears, answers nothing; a key pressed after then does.
TEST(KeyPresses, AKeyDownBeforeListeningBeganEndsNothing) {
    const struct {
        const char* name;
        std::vector<Stroke> strokes;
    } cases[] = {
        {"its press stamped before", {press(4990), release(5100)}},
        {"its press stamped as listening began", {press(5000), release(5100)}},
        {"repeating as presses", {press(4990), press(5030), press(5070), release(5100)}},
        {"the press half of a pair whose release went elsewhere",
         {press(5000), release(5040), press(5040), release(5100)}},
    };
    for (const auto& c : cases) {
        KeyPresses keys(5000);
        std::vector<Stroke> strokes = c.strokes;
        strokes.push_back(press(6000));
        strokes.push_back(release(6090));
        EXPECT_EQ(endsOfPresses(keys, strokes), std::vector<int>{int(strokes.size()) - 1})
            << c.name;
    }
}

// The prompt hears only presses after it appeared; a key the window heard go down is held to it
// even when its repeats are presses stamped after that.
TEST(KeyPresses, AKeyHeldIntoAnotherListenerEndsNothingThere) {
    KeyPresses window;
    ASSERT_TRUE(window.pressed(kSpace, 4000, false));
    ASSERT_TRUE(window.pressed(kA, 4500, false));
    ASSERT_TRUE(window.released(kA, 4600, false));
    KeyPresses prompt = window.from(5000);
    EXPECT_EQ(endsOfPresses(prompt, {press(5040), press(5080), release(5100), press(6000, kA),
                                     release(6080, kA), press(7000), release(7090)}),
              (std::vector<int>{4, 6}));
}

TEST(KeyPresses, TimesWrapAndUnstampedKeysCount) {
    KeyPresses wrapped(0xFFFF'FF00u);
    EXPECT_EQ(
        endsOfPresses(wrapped, {press(0xFFFF'FE00u), release(0x10), press(0x20), release(0x90)}),
        std::vector<int>{3})
        << "the X server's clock wraps after 49 days";

    KeyPresses unstamped(5000);
    EXPECT_EQ(endsOfPresses(unstamped, {press(0), flaggedRelease(0), flaggedPress(0), release(0)}),
              std::vector<int>{3});
}

}  // namespace
}  // namespace quazzle
