// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace quazzle {

// A decoded RIFF/WAVE recording. Only what the sound layer can play is accepted:
// uncompressed 16-bit PCM, mono or stereo.
struct WaveData {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QByteArray samples;  // interleaved little-endian frames, a whole number of them
};

// Nothing when the bytes are not such a recording or are damaged in any way.
std::optional<WaveData> parseWave(QByteArrayView bytes);

// Length in seconds; 0 when the description is unusable.
double waveDuration(const WaveData& wave);

}  // namespace quazzle
