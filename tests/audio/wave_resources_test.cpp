// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "audio/wave_resources.h"
#include "audio/wave_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace quazzle {
namespace {

struct Recording {
    const char* name;  // as the game asks for it
    double seconds;
};

constexpr Recording kRecordings[] = {
    {"thePlace", 0.13},  {"theScore", 0.47}, {"theQuazzle", 1.25},   {"theOver", 1.62},
    {"theCherry", 0.44}, {"theBomb", 0.72},  {"theExplosion", 1.01}, {"theLevelup", 0.72},
};

int sampleAt(const QByteArray& pcm, qsizetype index) {
    const auto lo = static_cast<unsigned char>(pcm[index * 2]);
    const auto hi = static_cast<unsigned char>(pcm[index * 2 + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8));
}

int peakBetween(const QByteArray& pcm, qsizetype from, qsizetype to) {
    int peak = 0;
    for (qsizetype i = from; i < to; ++i) peak = std::max(peak, std::abs(sampleAt(pcm, i)));
    return peak;
}

int dbfsToSample(double dbfs) { return static_cast<int>(32767 * std::pow(10.0, dbfs / 20.0)); }

TEST(EmbeddedRecordings, ArePleasantStereoCdQualityAtTheirLength) {
    for (const Recording& r : kRecordings) {
        SCOPED_TRACE(r.name);
        const QByteArray bytes = loadWaveResource(QString::fromLatin1(r.name));
        ASSERT_FALSE(bytes.isEmpty());
        const auto wave = parseWave(bytes);
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->channels, 2);
        EXPECT_EQ(wave->sampleRate, 44100);
        EXPECT_EQ(wave->bitsPerSample, 16);
        EXPECT_NEAR(waveDuration(*wave), r.seconds, 0.05 * r.seconds);

        const qsizetype samples = wave->samples.size() / 2;
        ASSERT_GE(samples, 4);
        const int peak = peakBetween(wave->samples, 0, samples);
        // Audible, but with headroom: -1 dBFS at most.
        EXPECT_GT(peak, 32768 / 20);
        EXPECT_LE(peak, dbfsToSample(-1.0));
        // Fades at both ends: no click when playback starts or is cut off at the end.
        for (qsizetype i : {qsizetype{0}, qsizetype{1}, samples - 2, samples - 1}) {
            EXPECT_LE(std::abs(sampleAt(wave->samples, i)), peak / 100) << "sample " << i;
        }
        // Near silence over the first half millisecond and the last two.
        const qsizetype perMs = wave->channels * wave->sampleRate / 1000;
        EXPECT_LE(peakBetween(wave->samples, 0, perMs / 2), dbfsToSample(-36.0));
        EXPECT_LE(peakBetween(wave->samples, samples - 2 * perMs, samples), dbfsToSample(-36.0));
    }
}

TEST(EmbeddedRecordings, LiveUnderWaveWithoutExtension) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/WAVE/THEPLACE")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/WAVE/THELEVELUP")));
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/WAVE/THEPLACE.wav")));
}

TEST(WaveResources, LookupIgnoresCase) {
    QFile file(QStringLiteral(":/WAVE/THEEXPLOSION"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected = file.readAll();
    ASSERT_FALSE(expected.isEmpty());
    for (const char* name : {"theExplosion", "THEEXPLOSION", "theexplosion", "ThEeXpLoSiOn"}) {
        EXPECT_EQ(loadWaveResource(QString::fromLatin1(name)), expected) << name;
    }
}

TEST(WaveResources, UnknownNamesGiveNothing) {
    for (const char* name :
         {"", "theNothing", "thePlace.wav", "/WAVE/thePlace", "thePlac", "thePlaceX"}) {
        EXPECT_TRUE(loadWaveResource(QString::fromLatin1(name)).isEmpty()) << name;
    }
}

TEST(WaveLocator, NamesTheRecording) {
    EXPECT_EQ(waveNameFromLocator(u"res://quazzle.exe/WAVE/theBomb"), QStringLiteral("theBomb"));
    EXPECT_EQ(waveNameFromLocator(u"RES://Quazzle.EXE/wave/thePlace"), QStringLiteral("thePlace"));
    EXPECT_EQ(waveNameFromLocator(u"res://C:/Games/quazzle.exe/WAVE/theOver"),
              QStringLiteral("theOver"));
}

TEST(WaveLocator, RejectsOtherForms) {
    for (const char* locator : {
             "",
             "theBomb",
             "res://",
             "res://quazzle.exe/WAVE/",
             "res:///WAVE/theBomb",
             "res://WAVE/theBomb",
             "res://quazzle.exe/BITMAP/theBomb",
             "res://quazzle.exe/WAVES/theBomb",
             "res://quazzle.exe/xWAVE/theBomb",
             "file://quazzle.exe/WAVE/theBomb",
             "quazzle.exe/WAVE/theBomb",
         }) {
        EXPECT_TRUE(waveNameFromLocator(QString::fromLatin1(locator)).isEmpty()) << locator;
    }
}

TEST(WaveLocator, LeadsToTheEmbeddedRecording) {
    const QString name = waveNameFromLocator(u"res://quazzle.exe/WAVE/theCherry");
    const QByteArray bytes = loadWaveResource(name);
    EXPECT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes, loadWaveResource(u"THECHERRY"));
}

}  // namespace
}  // namespace quazzle
