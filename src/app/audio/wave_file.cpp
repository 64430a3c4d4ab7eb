// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "audio/wave_file.h"

#include <cstdint>
#include <cstring>

namespace quazzle {
namespace {

std::uint32_t readU32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
           std::uint32_t{b[3]} << 24;
}

std::uint16_t readU16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

bool hasTag(const char* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint32_t kMaxSampleRate = 384000;

}  // namespace

std::optional<WaveData> parseWave(QByteArrayView bytes) {
    const char* const base = bytes.data();
    const qsizetype size = bytes.size();
    if (size < 12 || !hasTag(base, "RIFF") || !hasTag(base + 8, "WAVE")) return std::nullopt;

    // The RIFF size counts everything after its own field; more than we hold means truncation.
    const std::uint64_t riffEnd = std::uint64_t{8} + readU32(base + 4);
    if (riffEnd > static_cast<std::uint64_t>(size)) return std::nullopt;
    const auto end = static_cast<qsizetype>(riffEnd);

    const char* format = nullptr;
    const char* data = nullptr;
    qsizetype dataSize = 0;
    qsizetype pos = 12;
    while (end - pos >= 8) {
        const char* chunk = base + pos;
        const std::uint32_t chunkSize = readU32(chunk + 4);
        const qsizetype body = pos + 8;
        if (chunkSize > static_cast<std::uint64_t>(end - body)) return std::nullopt;
        if (hasTag(chunk, "fmt ") && !format) {
            if (chunkSize < 16) return std::nullopt;
            format = base + body;
        } else if (hasTag(chunk, "data") && !data) {
            data = base + body;
            dataSize = static_cast<qsizetype>(chunkSize);
        }
        // Chunks are word aligned: an odd-sized one is followed by a pad byte.
        pos = body + static_cast<qsizetype>(chunkSize) + (chunkSize & 1);
    }
    if (!format || !data) return std::nullopt;

    const std::uint16_t formatTag = readU16(format);
    const std::uint16_t channels = readU16(format + 2);
    const std::uint32_t sampleRate = readU32(format + 4);
    const std::uint16_t blockAlign = readU16(format + 12);
    const std::uint16_t bits = readU16(format + 14);
    if (formatTag != kFormatPcm || bits != 16 || (channels != 1 && channels != 2)) {
        return std::nullopt;
    }
    if (sampleRate == 0 || sampleRate > kMaxSampleRate || blockAlign != channels * 2) {
        return std::nullopt;
    }
    if (dataSize % blockAlign != 0) return std::nullopt;

    WaveData wave;
    wave.channels = channels;
    wave.sampleRate = static_cast<int>(sampleRate);
    wave.bitsPerSample = bits;
    wave.samples = QByteArray(data, dataSize);
    return wave;
}

double waveDuration(const WaveData& wave) {
    const qsizetype frameBytes = qsizetype{wave.channels} * (wave.bitsPerSample / 8);
    if (frameBytes <= 0 || wave.sampleRate <= 0) return 0.0;
    // Whole frames; a partial frame at the end adds no time.
    const qsizetype frames = wave.samples.size() / frameBytes;
    return static_cast<double>(frames) / wave.sampleRate;
}

}  // namespace quazzle
