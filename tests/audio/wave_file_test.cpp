// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "audio/wave_file.h"

#include "test_waves.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace quazzle {
namespace {

using namespace test;

// Parses from a heap block of exactly the input's size, so any overread trips AddressSanitizer.
std::optional<WaveData> parseExact(const QByteArray& bytes) {
    const std::vector<char> exact(bytes.begin(), bytes.end());
    return parseWave(QByteArrayView(exact.data(), static_cast<qsizetype>(exact.size())));
}

TEST(WaveFile, ReadsStereoAndMonoPcm) {
    const QByteArray stereo = makeWave(2, 44100, 0.25);
    const auto wave = parseExact(stereo);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->channels, 2);
    EXPECT_EQ(wave->sampleRate, 44100);
    EXPECT_EQ(wave->bitsPerSample, 16);
    EXPECT_EQ(wave->samples, stereo.mid(kHeaderSize));
    EXPECT_NEAR(waveDuration(*wave), 0.25, 1e-9);

    const auto mono = parseExact(makeWave(1, 22050, 0.5));
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->channels, 1);
    EXPECT_EQ(mono->sampleRate, 22050);
    EXPECT_NEAR(waveDuration(*mono), 0.5, 1e-9);
}

TEST(WaveFile, WalksPastOtherChunksAndPadding) {
    const QByteArray plain = makeWave(2, 44100, 0.01);
    // fmt with the optional extension size field, then an odd-sized LIST chunk and its pad byte.
    QByteArray bytes = plain.left(kDataTag);
    putU32(bytes, kFmtSize, 18);
    bytes.append(2, '\0');
    bytes.append("LIST", 4);
    bytes.append("\x03\0\0\0abc\0", 8);
    bytes.append(plain.mid(kDataTag));
    putU32(bytes, kRiffSize, static_cast<std::uint32_t>(bytes.size() - 8));
    bytes.append("trailing bytes outside the RIFF chunk");

    const auto wave = parseExact(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples, plain.mid(kHeaderSize));
}

TEST(WaveFile, RejectsEveryTruncation) {
    const QByteArray full = makeWave(2, 8000, 0.01);
    for (qsizetype n = 0; n < full.size(); ++n) {
        EXPECT_FALSE(parseExact(full.left(n))) << "accepted the first " << n << " bytes";
    }
}

struct Damage {
    const char* what;
    std::function<void(QByteArray&)> apply;
};

TEST(WaveFile, RejectsDamagedOrUnsupportedInput) {
    const std::vector<Damage> cases = {
        {"not RIFF", [](QByteArray& b) { b.replace(0, 4, "RIFX"); }},
        {"not WAVE", [](QByteArray& b) { b.replace(8, 4, "AVI "); }},
        {"float samples", [](QByteArray& b) { putU16(b, kFormatTag, 3); }},
        {"extensible format", [](QByteArray& b) { putU16(b, kFormatTag, 0xFFFE); }},
        {"8-bit samples",
         [](QByteArray& b) {
             putU16(b, kBits, 8);
             putU16(b, kBlockAlign, 2);
         }},
        {"24-bit samples",
         [](QByteArray& b) {
             putU16(b, kBits, 24);
             putU16(b, kBlockAlign, 6);
         }},
        {"no channels", [](QByteArray& b) { putU16(b, kChannels, 0); }},
        {"three channels",
         [](QByteArray& b) {
             putU16(b, kChannels, 3);
             putU16(b, kBlockAlign, 6);
         }},
        {"no sample rate", [](QByteArray& b) { putU32(b, kSampleRate, 0); }},
        {"block align disagrees", [](QByteArray& b) { putU16(b, kBlockAlign, 2); }},
        {"fmt chunk too short", [](QByteArray& b) { putU32(b, kFmtSize, 14); }},
        {"fmt chunk overflows", [](QByteArray& b) { putU32(b, kFmtSize, 0xFFFFFFF0u); }},
        {"data chunk overflows", [](QByteArray& b) { putU32(b, kDataSize, 0xFFFFFFFFu); }},
        {"data one byte too long",
         [](QByteArray& b) { putU32(b, kDataSize, static_cast<std::uint32_t>(b.size() - 43)); }},
        {"RIFF size beyond the bytes", [](QByteArray& b) { putU32(b, kRiffSize, 0xFFFFFFFFu); }},
        {"RIFF size cuts off the data",
         [](QByteArray& b) { putU32(b, kRiffSize, static_cast<std::uint32_t>(b.size() - 10)); }},
        {"no data chunk", [](QByteArray& b) { b.replace(kDataTag, 4, "junk"); }},
        {"no fmt chunk", [](QByteArray& b) { b.replace(12, 4, "junk"); }},
        {"partial frame",
         [](QByteArray& b) {
             putU32(b, kDataSize, static_cast<std::uint32_t>(b.size() - kHeaderSize - 1));
         }},
    };
    for (const Damage& damage : cases) {
        QByteArray bytes = makeWave(2, 44100, 0.01);
        ASSERT_TRUE(parseExact(bytes));
        damage.apply(bytes);
        EXPECT_FALSE(parseExact(bytes)) << damage.what;
    }
}

TEST(WaveFile, SurvivesRandomCorruption) {
    const QByteArray good = makeWave(2, 11025, 0.005);
    std::uint32_t rng = 12345;
    auto next = [&rng] {
        rng = rng * 1664525u + 1013904223u;
        return rng >> 8;
    };
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = good.left(static_cast<qsizetype>(next() % (good.size() + 1)));
        for (int k = 0; k < 3 && !bytes.isEmpty(); ++k) {
            // Aim most changes at the header, where the sizes and tags live.
            const auto at = static_cast<qsizetype>(next() % std::min<qsizetype>(bytes.size(), 64));
            bytes[at] = static_cast<char>(next());
        }
        const auto wave = parseExact(bytes);
        if (!wave) continue;
        EXPECT_LE(wave->samples.size(), bytes.size() - kHeaderSize);
        EXPECT_EQ(wave->samples.size() % (qsizetype{wave->channels} * 2), 0);
    }
}

}  // namespace
}  // namespace quazzle
