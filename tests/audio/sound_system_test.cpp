// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "audio/sound_system.h"

#include "test_waves.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace quazzle {
namespace {

using namespace std::chrono_literals;
using test::makeWave;

// Polls until `done` holds; the mixer runs on OpenAL's own thread.
template <class Predicate>
bool waitFor(Predicate done, std::chrono::milliseconds limit = 3s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// The same, handling the sound layer's own timers while it waits.
template <class Predicate>
bool waitWithEvents(Predicate done, std::chrono::milliseconds limit) {
    return waitFor(
        [&] {
            QCoreApplication::processEvents();
            return done();
        },
        limit);
}

void expectHolds(const BufferInfo& info, int channels, int rate, const QByteArray& wave) {
    EXPECT_NE(info.id, 0u);
    EXPECT_EQ(info.channels, channels);
    EXPECT_EQ(info.frequency, rate);
    EXPECT_EQ(info.bits, 16);
    EXPECT_EQ(info.sizeBytes, wave.size() - test::kHeaderSize);
}

class SoundSystemTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!sound.hasDevice()) GTEST_SKIP() << "OpenAL could not open a device (null backend)";
    }

    SoundSystem sound;
    // Long enough to still be playing when checked, different enough to tell apart.
    const QByteArray longStereo = makeWave(2, 44100, 5.0);
    const QByteArray longMono = makeWave(1, 22050, 4.0);
    const QByteArray junk = QByteArrayLiteral("RIFF, but not really a recording");
};

TEST_F(SoundSystemTest, StartsQuietWithItsGains) {
    EXPECT_EQ(sound.voicesPlaying(), 0);
    EXPECT_FLOAT_EQ(sound.effectGain(), 1.0f);
    for (int p = 0; p < SoundSystem::kPlayers; ++p) {
        EXPECT_FLOAT_EQ(sound.playerGain(p), 0.5f) << "player " << p;
        EXPECT_EQ(sound.playerBuffer(p).id, 0u);
    }
    EXPECT_EQ(sound.effectBuffer().id, 0u);
}

TEST_F(SoundSystemTest, EffectPlaysInTheBackground) {
    sound.playEffect(longStereo);
    EXPECT_TRUE(sound.effectPlaying());
    EXPECT_EQ(sound.soundBuffer(), longStereo);
    expectHolds(sound.effectBuffer(), 2, 44100, longStereo);
    EXPECT_EQ(sound.voicesPlaying(), 1);
}

TEST_F(SoundSystemTest, ShortEffectRunsToItsEnd) {
    sound.playEffect(makeWave(2, 44100, 0.3));
    EXPECT_TRUE(sound.effectPlaying());
    EXPECT_TRUE(waitFor([&] { return !sound.effectPlaying(); }));
}

TEST_F(SoundSystemTest, NewEffectCutsOffTheOnePlaying) {
    sound.playEffect(longStereo);
    sound.playEffect(longMono);
    EXPECT_EQ(sound.soundBuffer(), longMono);
    expectHolds(sound.effectBuffer(), 1, 22050, longMono);
    EXPECT_TRUE(sound.effectPlaying());
    EXPECT_EQ(sound.voicesPlaying(), 1);
}

TEST_F(SoundSystemTest, UnplayableEffectLeavesSilence) {
    sound.playEffect(longStereo);
    sound.playEffect(junk);
    EXPECT_EQ(sound.soundBuffer(), junk);
    EXPECT_FALSE(sound.effectPlaying());
    EXPECT_EQ(sound.effectBuffer().id, 0u);
    EXPECT_EQ(sound.voicesPlaying(), 0);

    sound.playEffect(QByteArray());
    EXPECT_TRUE(sound.soundBuffer().isEmpty());
    EXPECT_EQ(sound.voicesPlaying(), 0);
}

TEST_F(SoundSystemTest, PlayersRunIndependently) {
    for (int p = 0; p < SoundSystem::kPlayers; ++p) sound.bindPlayer(p, longStereo);
    EXPECT_EQ(sound.voicesPlaying(), 0) << "binding must not start a player";

    sound.playPlayer(1);
    sound.playPlayer(3);
    EXPECT_FALSE(sound.playerPlaying(0));
    EXPECT_TRUE(sound.playerPlaying(1));
    EXPECT_FALSE(sound.playerPlaying(2));
    EXPECT_TRUE(sound.playerPlaying(3));

    sound.playEffect(longMono);
    EXPECT_EQ(sound.voicesPlaying(), 3);

    sound.stopPlayer(1);
    EXPECT_FALSE(sound.playerPlaying(1));
    EXPECT_TRUE(sound.playerPlaying(3));
    EXPECT_TRUE(sound.effectPlaying());

    sound.playEffect(junk);
    EXPECT_TRUE(sound.playerPlaying(3)) << "the effect channel must not touch players";
}

TEST_F(SoundSystemTest, StopRewindsAndPlayRestarts) {
    sound.bindPlayer(0, longStereo);
    sound.playPlayer(0);
    ASSERT_TRUE(waitFor([&] { return sound.playerOffsetSeconds(0) > 0.4; }));

    sound.playPlayer(0);
    EXPECT_TRUE(sound.playerPlaying(0));
    EXPECT_LT(sound.playerOffsetSeconds(0), 0.4);

    ASSERT_TRUE(waitFor([&] { return sound.playerOffsetSeconds(0) > 0.1; }));
    sound.stopPlayer(0);
    EXPECT_FALSE(sound.playerPlaying(0));
    EXPECT_EQ(sound.playerOffsetSeconds(0), 0.0);
    expectHolds(sound.playerBuffer(0), 2, 44100, longStereo);
}

TEST_F(SoundSystemTest, RebindingStopsAndReplaces) {
    sound.bindPlayer(2, longStereo);
    sound.playPlayer(2);
    sound.bindPlayer(2, longMono);
    EXPECT_FALSE(sound.playerPlaying(2));
    expectHolds(sound.playerBuffer(2), 1, 22050, longMono);

    sound.bindPlayer(2, junk);
    EXPECT_EQ(sound.playerBuffer(2).id, 0u);
    sound.playPlayer(2);
    EXPECT_FALSE(sound.playerPlaying(2));
}

TEST_F(SoundSystemTest, IgnoresPlayersOutOfRange) {
    for (int p : {-1, SoundSystem::kPlayers, 1000}) {
        sound.bindPlayer(p, longStereo);
        sound.playPlayer(p);
        sound.stopPlayer(p);
        EXPECT_FALSE(sound.playerPlaying(p));
        EXPECT_EQ(sound.playerBuffer(p).id, 0u);
    }
    EXPECT_EQ(sound.voicesPlaying(), 0);
    for (int p = 0; p < SoundSystem::kPlayers; ++p) EXPECT_EQ(sound.playerBuffer(p).id, 0u);
}

TEST_F(SoundSystemTest, InstancesKeepTheirOwnContext) {
    sound.playEffect(longStereo);
    {
        SoundSystem other;
        ASSERT_TRUE(other.hasDevice());
        other.playEffect(longMono);
        expectHolds(sound.effectBuffer(), 2, 44100, longStereo);
        expectHolds(other.effectBuffer(), 1, 22050, longMono);
    }
    EXPECT_TRUE(sound.effectPlaying());
    expectHolds(sound.effectBuffer(), 2, 44100, longStereo);
}

TEST_F(SoundSystemTest, DeviceSleepsWhileSilentAndWakesToPlay) {
    sound.playEffect(makeWave(2, 44100, 0.1));
    EXPECT_FALSE(sound.deviceAsleep());
    ASSERT_TRUE(waitWithEvents([&] { return sound.deviceAsleep(); }, 5s));
    sound.playEffect(makeWave(2, 44100, 0.3));
    EXPECT_FALSE(sound.deviceAsleep());
    EXPECT_TRUE(sound.effectPlaying());
    // Awake again, the mixer really runs the new effect to its end.
    EXPECT_TRUE(waitFor([&] { return !sound.effectPlaying(); }));
}

TEST_F(SoundSystemTest, StaysAwakeWhileAVoiceSounds) {
    sound.playEffect(longStereo);
    EXPECT_FALSE(waitWithEvents([&] { return sound.deviceAsleep(); }, 2500ms));
    EXPECT_TRUE(sound.effectPlaying());
}

}  // namespace
}  // namespace quazzle
