// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "loudness_meter.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace quazzle::test {
namespace {

constexpr double kAbsoluteGate = -70.0;
constexpr double kRelativeGate = -10.0;

double lufs(double meanSquare) { return -0.691 + 10.0 * std::log10(meanSquare); }

// The K-weighted energy of all channels in each 100 ms step, and the frames filtered.
struct Steps {
    std::vector<double> energy;
    std::size_t frames = 0;
};

Steps weightedEnergy(std::span<const double> interleaved, int channels, std::size_t step,
                     const std::array<BiquadCoefficients, 2>& stages) {
    Steps out;
    out.frames = interleaved.size() / static_cast<std::size_t>(channels);
    out.energy.assign(out.frames / step + 1, 0.0);
    for (int c = 0; c < channels; ++c) {
        double z[2][2] = {};  // transposed direct form II state per stage
        for (std::size_t i = 0; i < out.frames; ++i) {
            double x = interleaved[i * static_cast<std::size_t>(channels) + c];
            for (int s = 0; s < 2; ++s) {
                const BiquadCoefficients& k = stages[s];
                const double y = k.b0 * x + z[s][0];
                z[s][0] = k.b1 * x - k.a1 * y + z[s][1];
                z[s][1] = k.b2 * x - k.a2 * y;
                x = y;
            }
            out.energy[i / step] += x * x;
        }
    }
    return out;
}

// Mean square of each 400 ms block, or of the whole sound when it is shorter than one.
std::vector<double> blockPowers(const Steps& steps, std::size_t step) {
    constexpr std::size_t kStepsPerBlock = 4;
    const std::size_t whole = steps.frames / step;
    if (whole < kStepsPerBlock) {
        double total = 0;
        for (double e : steps.energy) total += e;
        return {total / static_cast<double>(steps.frames)};
    }
    std::vector<double> powers;
    for (std::size_t first = 0; first + kStepsPerBlock <= whole; ++first) {
        double total = 0;
        for (std::size_t k = 0; k < kStepsPerBlock; ++k) total += steps.energy[first + k];
        powers.push_back(total / static_cast<double>(kStepsPerBlock * step));
    }
    return powers;
}

// Mean square of the blocks louder than `gate` LUFS; 0 when there are none.
double gatedMean(const std::vector<double>& powers, double gate) {
    double total = 0;
    int count = 0;
    for (double p : powers) {
        if (p > 0 && lufs(p) > gate) {
            total += p;
            ++count;
        }
    }
    return count ? total / count : 0.0;
}

}  // namespace

std::array<BiquadCoefficients, 2> kWeighting(double sampleRate) {
    // Analogue prototypes of the two stages, mapped to `sampleRate` with the bilinear transform.
    const double shelfHz = 1681.974450955533;
    const double shelfGainDb = 3.999843853973347;
    const double shelfQ = 0.7071752369554196;
    const double k = std::tan(std::numbers::pi * shelfHz / sampleRate);
    const double vh = std::pow(10.0, shelfGainDb / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / shelfQ + k * k;
    const BiquadCoefficients shelf = {(vh + vb * k / shelfQ + k * k) / a0, 2.0 * (k * k - vh) / a0,
                                      (vh - vb * k / shelfQ + k * k) / a0, 2.0 * (k * k - 1.0) / a0,
                                      (1.0 - k / shelfQ + k * k) / a0};

    const double passHz = 38.13547087602444;
    const double passQ = 0.5003270373238773;
    const double kp = std::tan(std::numbers::pi * passHz / sampleRate);
    const double p0 = 1.0 + kp / passQ + kp * kp;
    const BiquadCoefficients highPass = {1.0, -2.0, 1.0, 2.0 * (kp * kp - 1.0) / p0,
                                         (1.0 - kp / passQ + kp * kp) / p0};
    return {shelf, highPass};
}

double integratedLoudness(std::span<const double> interleaved, int channels, int sampleRate) {
    const double silent = -std::numeric_limits<double>::infinity();
    if (channels <= 0 || sampleRate <= 0 || interleaved.size() < std::size_t(channels))
        return silent;
    const auto step = static_cast<std::size_t>(std::lround(0.1 * sampleRate));
    const Steps steps = weightedEnergy(interleaved, channels, step, kWeighting(sampleRate));
    const std::vector<double> powers = blockPowers(steps, step);
    const double ungated = gatedMean(powers, kAbsoluteGate);
    if (ungated <= 0) return silent;
    const double gated = gatedMean(powers, lufs(ungated) + kRelativeGate);
    return gated > 0 ? lufs(gated) : silent;
}

}  // namespace quazzle::test
