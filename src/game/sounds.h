// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

#include "game/platform.h"

namespace quazzle::sound {

// Every recording the game has, by the name the rules play or bind it by.
inline constexpr std::string_view kPlace = "thePlace";
inline constexpr std::string_view kScore = "theScore";
inline constexpr std::string_view kQuazzle = "theQuazzle";
inline constexpr std::string_view kOver = "theOver";
inline constexpr std::string_view kCherry = "theCherry";
inline constexpr std::string_view kBomb = "theBomb";
inline constexpr std::string_view kExplosion = "theExplosion";
inline constexpr std::string_view kLevelup = "theLevelup";

// How a recording reaches the speakers: the effect channel, where each effect cuts off the one
// before, or a media player of its own.
enum class Route { Effect, Player };

// The gain each route plays at: players at volume 50 of 100.
inline constexpr float kEffectGain = 1.0f;
inline constexpr float kPlayerGain = 0.5f;

struct Recording {
    std::string_view name;  // embedded as ":/WAVE/<NAME>", in capitals
    Route route;
};

// The build synthesises and embeds exactly these.
inline constexpr std::array<Recording, 8> kRecordings = {{
    {kPlace, Route::Effect},
    {kScore, Route::Effect},
    {kQuazzle, Route::Effect},
    {kOver, Route::Effect},
    {kCherry, Route::Player},
    {kBomb, Route::Player},
    {kExplosion, Route::Player},
    {kLevelup, Route::Player},
}};

// Each media player and the recording it is bound to, in binding order.
struct PlayerBinding {
    Player player;
    std::string_view sound;
};
inline constexpr std::array<PlayerBinding, kPlayerCount> kPlayerBindings = {{
    {Player::Bomb, kBomb},
    {Player::Cherry, kCherry},
    {Player::Explode, kExplosion},
    {Player::Levelup, kLevelup},
}};

}  // namespace quazzle::sound
