// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace quazzle::test {

// Offsets of the fields in the canonical 44-byte header that makeWave writes.
inline constexpr int kRiffSize = 4;
inline constexpr int kFmtSize = 16;
inline constexpr int kFormatTag = 20;
inline constexpr int kChannels = 22;
inline constexpr int kSampleRate = 24;
inline constexpr int kBlockAlign = 32;
inline constexpr int kBits = 34;
inline constexpr int kDataTag = 36;
inline constexpr int kDataSize = 40;
inline constexpr int kHeaderSize = 44;

inline void putU16(QByteArray& bytes, int at, std::uint16_t v) {
    bytes[at] = static_cast<char>(v & 0xFF);
    bytes[at + 1] = static_cast<char>(v >> 8);
}

inline void putU32(QByteArray& bytes, int at, std::uint32_t v) {
    putU16(bytes, at, static_cast<std::uint16_t>(v & 0xFFFF));
    putU16(bytes, at + 2, static_cast<std::uint16_t>(v >> 16));
}

// A well-formed 16-bit PCM WAVE holding a quiet 440 Hz tone.
inline QByteArray makeWave(int channels, int sampleRate, double seconds) {
    const int frames = static_cast<int>(std::lround(seconds * sampleRate));
    const int dataSize = frames * channels * 2;
    QByteArray bytes(kHeaderSize + dataSize, '\0');
    bytes.replace(0, 4, "RIFF");
    putU32(bytes, kRiffSize, static_cast<std::uint32_t>(36 + dataSize));
    bytes.replace(8, 8, "WAVEfmt ");
    putU32(bytes, kFmtSize, 16);
    putU16(bytes, kFormatTag, 1);
    putU16(bytes, kChannels, static_cast<std::uint16_t>(channels));
    putU32(bytes, kSampleRate, static_cast<std::uint32_t>(sampleRate));
    putU32(bytes, 28, static_cast<std::uint32_t>(sampleRate * channels * 2));
    putU16(bytes, kBlockAlign, static_cast<std::uint16_t>(channels * 2));
    putU16(bytes, kBits, 16);
    bytes.replace(kDataTag, 4, "data");
    putU32(bytes, kDataSize, static_cast<std::uint32_t>(dataSize));
    for (int i = 0; i < frames; ++i) {
        const auto s = static_cast<std::int16_t>(
            8000 * std::sin(2 * std::numbers::pi * 440.0 * i / sampleRate));
        for (int c = 0; c < channels; ++c) {
            putU16(bytes, kHeaderSize + (i * channels + c) * 2, static_cast<std::uint16_t>(s));
        }
    }
    return bytes;
}

}  // namespace quazzle::test
