// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "loudness_meter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace quazzle::test {
namespace {

std::vector<double> stereoSine(double hz, double dbfs, double seconds, int rate) {
    const double amplitude = std::pow(10.0, dbfs / 20.0);
    std::vector<double> out(2 * static_cast<std::size_t>(std::lround(seconds * rate)));
    for (std::size_t i = 0; i < out.size() / 2; ++i)
        out[2 * i] = out[2 * i + 1] =
            amplitude * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / rate);
    return out;
}

std::vector<double> joined(const std::vector<std::vector<double>>& parts) {
    std::vector<double> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(LoudnessMeter, ReadsTheBroadcastReferenceSignals) {
    constexpr int kRate = 44100;
    const auto measure = [](const std::vector<double>& s) {
        return integratedLoudness(s, 2, kRate);
    };
    // 1 kHz in both channels reads as its level in dBFS.
    EXPECT_NEAR(measure(stereoSine(1000, -23, 20, kRate)), -23.0, 0.1);
    EXPECT_NEAR(measure(stereoSine(1000, -33, 20, kRate)), -33.0, 0.1);
    // The relative gate leaves out the quiet lead-in and tail.
    EXPECT_NEAR(measure(joined({stereoSine(1000, -36, 10, kRate), stereoSine(1000, -23, 60, kRate),
                                stereoSine(1000, -36, 10, kRate)})),
                -23.0, 0.1);
    // Loud and quiet parts that both pass the gates are averaged by energy.
    EXPECT_NEAR(
        measure(joined({stereoSine(1000, -26, 20, kRate), stereoSine(1000, -20, 20.1, kRate),
                        stereoSine(1000, -26, 20, kRate)})),
        -23.0, 0.1);
    // A sound shorter than a block is one block over its length.
    EXPECT_NEAR(measure(stereoSine(1000, -23, 0.13, kRate)), -23.0, 0.2);
    // The shelf lifts the treble, the high-pass drops the deep bass.
    EXPECT_GT(measure(stereoSine(4000, -23, 5, kRate)), -23.0 + 3.0);
    EXPECT_LT(measure(stereoSine(30, -23, 5, kRate)), -23.0 - 6.0);
    EXPECT_EQ(measure(stereoSine(1000, -90, 5, kRate)), -std::numeric_limits<double>::infinity());

    // At 48 kHz the stages are the published ones.
    const auto k = kWeighting(48000);
    const double expected[2][5] = {{1.53512485958697, -2.69169618940638, 1.19839281085285,
                                    -1.69065929318241, 0.73248077421585},
                                   {1.0, -2.0, 1.0, -1.99004745483398, 0.99007225036621}};
    for (int s = 0; s < 2; ++s) {
        const double got[5] = {k[s].b0, k[s].b1, k[s].b2, k[s].a1, k[s].a2};
        for (int c = 0; c < 5; ++c) EXPECT_NEAR(got[c], expected[s][c], 1e-8) << s << "," << c;
    }
}

}  // namespace
}  // namespace quazzle::test
