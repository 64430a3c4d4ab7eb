// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quazzle::sound {

inline constexpr int kSampleRate = 44100;

// The recording the rules play or bind by `name` ("thePlace", ...): 16-bit stereo at
// kSampleRate, left and right interleaved. Empty for a name the game has no recording of.
std::vector<std::int16_t> synthesise(std::string_view name);

}  // namespace quazzle::sound
