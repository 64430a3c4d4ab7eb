// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "audio/sound_system.h"
#include "audio/wave_file.h"
#include "audio/wave_resources.h"
#include "game/sounds.h"
#include "loudness_meter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace quazzle {
namespace {

// Every recording the game plays, and the gain it plays it at: the players' recordings at the
// players' volume, all others on the effect channel.
std::map<std::string_view, double> recordingGains() {
    std::map<std::string_view, double> gains;
    for (std::string_view name : {sound::kPlace, sound::kScore, sound::kQuazzle, sound::kOver})
        gains[name] = sound::kEffectGain;
    for (const auto& binding : sound::kPlayerBindings) gains[binding.sound] = sound::kPlayerGain;
    return gains;
}

std::string_view soundOf(Player player) {
    for (const auto& binding : sound::kPlayerBindings)
        if (binding.player == player) return binding.sound;
    return {};
}

// 16-bit little-endian samples at full scale 1, times `gain`.
std::vector<double> heardSamples(const WaveData& wave, double gain) {
    std::vector<double> out(static_cast<std::size_t>(wave.samples.size() / 2));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto lo = static_cast<unsigned char>(wave.samples[qsizetype(i) * 2]);
        const auto hi = static_cast<unsigned char>(wave.samples[qsizetype(i) * 2 + 1]);
        out[i] =
            gain * static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8)) / 32768.0;
    }
    return out;
}

double heardLoudness(std::string_view name, double gain) {
    const QByteArray bytes =
        loadWaveResource(QString::fromUtf8(name.data(), qsizetype(name.size())));
    const auto wave = parseWave(bytes);
    if (!wave) return -std::numeric_limits<double>::infinity();
    return test::integratedLoudness(heardSamples(*wave, gain), wave->channels, wave->sampleRate);
}

TEST(EmbeddedRecordings, SoundEquallyLoudAsPlayed) {
    std::map<std::string_view, double> lufs;
    for (const auto& [name, gain] : recordingGains()) {
        lufs[name] = heardLoudness(name, gain);
        ASSERT_TRUE(std::isfinite(lufs[name])) << name;
        // Readable with --gtest_output=xml, to compare against other meters.
        testing::Test::RecordProperty(std::string(name), std::to_string(lufs[name]));
    }
    ASSERT_EQ(lufs.size(), 8u);
    // Not std::views: Clang 14, and so clang-tidy 14, cannot compile libstdc++ 12's views.
    const auto [quietestEntry, loudestEntry] =
        std::ranges::minmax_element(lufs, {}, [](const auto& entry) { return entry.second; });
    const double quietest = quietestEntry->second;
    const double loudest = loudestEntry->second;
    EXPECT_LE(loudest - quietest, 3.0);
    // The blast and the end of a game must carry; the frequent click must not tire.
    for (std::string_view name : {soundOf(Player::Explode), sound::kQuazzle, sound::kOver})
        EXPECT_GE(lufs[name], loudest - 1.0) << name;
    for (const auto& [name, level] : lufs) {
        if (name != sound::kPlace) {
            EXPECT_GT(level, lufs[sound::kPlace]) << name;
        }
    }
}

}  // namespace
}  // namespace quazzle
