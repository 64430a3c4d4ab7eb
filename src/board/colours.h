// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quazzle {

// A cell colour laid out 0x00BBGGRR, red in the lowest byte.
using Colour = std::int32_t;

namespace colour {
inline constexpr Colour kEmpty = 0x404040;
inline constexpr Colour kHoverMark = 0x000000;
inline constexpr Colour kClearFlash = 0xFF00FF;
inline constexpr Colour kBombFlash = 0xFFFFFF;
inline constexpr Colour kPreviewBlank = 0x80C0FF;
inline constexpr Colour kXpBack = 0x000000;
inline constexpr Colour kXpFore = 0xFF00FF;

inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kTeal = 0xA6B542;
inline constexpr Colour kAmber = 0x00C5FF;
inline constexpr Colour kGreen = 0x32CD32;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kPurple = 0xA00060;

// Piece colours in the order the levels open them.
inline constexpr std::array<Colour, 6> kPalette = {kRed, kTeal, kAmber, kGreen, kBlue, kPurple};

constexpr int red(Colour c) { return c & 0xFF; }
constexpr int green(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blue(Colour c) { return (c >> 16) & 0xFF; }
}  // namespace colour

// The colour written as decimal text, or nothing when the text is not a whole number.
inline std::optional<Colour> colourFromText(std::string_view text) {
    Colour value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace quazzle
