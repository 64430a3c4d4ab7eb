// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <span>

namespace quazzle::test {

// One filter stage; the leading denominator coefficient is 1.
struct BiquadCoefficients {
    double b0, b1, b2, a1, a2;
};

// The two K-weighting stages of ITU-R BS.1770, designed for `sampleRate`: a high shelf for the
// head's effect, then a high-pass that ignores the deep bass.
std::array<BiquadCoefficients, 2> kWeighting(double sampleRate);

// Integrated loudness in LUFS of interleaved samples at full scale 1, every channel weighted 1,
// gated as EBU R128: 400 ms blocks every 100 ms, an absolute gate at -70 LUFS and a relative
// gate 10 LU below the mean of the blocks that pass it. A sound shorter than one block is
// measured as one block over its whole length. -infinity when nothing passes the gates.
double integratedLoudness(std::span<const double> interleaved, int channels, int sampleRate);

}  // namespace quazzle::test
