// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

#include "game/platform.h"

namespace quazzle::sound {

// Recordings played on the effect channel.
inline constexpr std::string_view kPlace = "thePlace";
inline constexpr std::string_view kScore = "theScore";
inline constexpr std::string_view kQuazzle = "theQuazzle";
inline constexpr std::string_view kOver = "theOver";

// Each media player and the recording it is bound to, in binding order.
struct PlayerBinding {
    Player player;
    std::string_view sound;
};
inline constexpr std::array<PlayerBinding, kPlayerCount> kPlayerBindings = {{
    {Player::Bomb, "theBomb"},
    {Player::Cherry, "theCherry"},
    {Player::Explode, "theExplosion"},
    {Player::Levelup, "theLevelup"},
}};

}  // namespace quazzle::sound
