// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The game's eight recordings, synthesised from fixed parameters and seeds, so that every build,
// and every page, makes the same samples.
#include "synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "game/sounds.h"

namespace sound = quazzle::sound;

namespace {

constexpr int kRate = quazzle::sound::kSampleRate;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;

std::size_t framesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(seconds, 0.0) * kRate));
}

struct Stereo {
    explicit Stereo(double seconds) : left(framesFor(seconds)), right(framesFor(seconds)) {}
    std::size_t size() const { return left.size(); }
    std::vector<double> left;
    std::vector<double> right;
};

// Smooth 0..1 ramp; used for every attack and release so nothing clicks.
double smoothRamp(double x) {
    const double s = std::sin(0.5 * kPi * std::clamp(x, 0.0, 1.0));
    return s * s;
}

// xorshift32: tiny, and unlike <random> distributions its output is the same everywhere.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483647.5 - 1.0;
    }

  private:
    std::uint32_t state_;
};

// RBJ cookbook biquad, transposed direct form II. Coefficients may be changed per sample.
class Biquad {
  public:
    void lowpass(double freq, double q) { design(freq, q, false); }
    void bandpass(double freq, double q) { design(freq, q, true); }
    double process(double x) {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return y;
    }

  private:
    void design(double freq, double q, bool band) {
        const double w = kTwoPi * std::clamp(freq, 10.0, 0.45 * kRate) / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double cosw = std::cos(w);
        const double a0 = 1.0 + alpha;
        if (band) {
            b0_ = alpha / a0;
            b1_ = 0.0;
            b2_ = -alpha / a0;
        } else {
            b0_ = (1.0 - cosw) / 2.0 / a0;
            b1_ = (1.0 - cosw) / a0;
            b2_ = b0_;
        }
        a1_ = -2.0 * cosw / a0;
        a2_ = (1.0 - alpha) / a0;
    }
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0, z1_ = 0, z2_ = 0;
};

struct Partial {
    double ratio;      // multiple of the note's frequency
    double amp;        // relative level
    double decay = 0;  // time constant in seconds; 0 holds the level
};

// One pitched voice built from sine partials.
struct Note {
    double start = 0;   // seconds into the sound
    double length = 0;  // seconds, release included
    double freq = 0;    // Hz
    std::vector<Partial> partials;
    double gain = 1;
    double attack = 0.005;
    double release = 0.05;
    double decay = 0;         // overall time constant, 0 = none
    double pan = 0;           // -1 left .. 1 right
    double detuneCents = 0;   // left flat, right sharp: a little width
    double glide = 1;         // frequency ratio reached at the end
    double vibratoHz = 0;     //
    double vibratoDepth = 0;  // fraction of the frequency
    double tremoloHz = 0;     //
    double tremoloDepth = 0;  // 0..1
    double wah = 0;           // how muted the upper partials are at the note's edges
};

void addNote(Stereo& out, const Note& n) {
    const std::size_t first = framesFor(n.start);
    if (first >= out.size()) return;
    const std::size_t count = std::min(framesFor(n.length), out.size() - first);
    const double angle = (std::clamp(n.pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const double leftGain = n.gain * std::cos(angle);
    const double rightGain = n.gain * std::sin(angle);
    const double spread = std::pow(2.0, n.detuneCents / 1200.0);
    const double highest = n.freq * std::max(n.glide, 1.0) * (1.0 + n.vibratoDepth) * spread;

    double phaseL = 0;
    double phaseR = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double pos = t / n.length;
        const double f = n.freq * std::pow(n.glide, pos) *
                         (1.0 + n.vibratoDepth * std::sin(kTwoPi * n.vibratoHz * t));
        phaseL += kTwoPi * f / spread / kRate;
        phaseR += kTwoPi * f * spread / kRate;

        double env = smoothRamp(t / n.attack) * smoothRamp((n.length - t) / n.release);
        if (n.decay > 0) env *= std::exp(-t / n.decay);
        env *= 1.0 - n.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * n.tremoloHz * t));
        const double muted = n.wah * (1.0 - std::pow(std::sin(kPi * pos), 0.7));

        double l = 0;
        double r = 0;
        for (const Partial& p : n.partials) {
            if (highest * p.ratio > 0.45 * kRate) continue;  // would alias
            double a = p.amp * std::exp(-(p.ratio - 1.0) * muted);
            if (p.decay > 0) a *= std::exp(-t / p.decay);
            l += a * std::sin(p.ratio * phaseL);
            r += a * std::sin(p.ratio * phaseR);
        }
        out.left[first + i] += env * leftGain * l;
        out.right[first + i] += env * rightGain * r;
    }
}

// Tanh saturation relative to the sound's own peak, which is pushed `drive` times past the knee:
// the rare noise peaks are rounded off while the quieter body stays nearly straight.
void softClip(Stereo& s, double drive) {
    double peak = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        peak = std::max({peak, std::abs(s.left[i]), std::abs(s.right[i])});
    if (peak <= 0) return;
    for (std::size_t i = 0; i < s.size(); ++i) {
        s.left[i] = std::tanh(drive * s.left[i] / peak);
        s.right[i] = std::tanh(drive * s.right[i] / peak);
    }
}

double noteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

const std::vector<Partial> kBrass = {{1, 1.0}, {2, 0.8}, {3, 0.6},  {4, 0.45},
                                     {5, 0.3}, {6, 0.2}, {7, 0.12}, {8, 0.08}};

// A soft wooden tock: a short inharmonic body, a low thump and a muffled tap.
Stereo place() {
    Stereo s(0.13);
    addNote(s, {.length = 0.13,
                .freq = 620,
                .partials = {{1, 1.0}, {2.76, 0.35, 0.012}, {5.4, 0.12, 0.006}},
                .attack = 0.0015,
                .release = 0.03,
                .decay = 0.026,
                .detuneCents = 6,
                .glide = 0.85});
    addNote(s, {.length = 0.13,
                .freq = 150,
                .partials = {{1, 1.0}},
                .gain = 0.45,
                .attack = 0.002,
                .release = 0.03,
                .decay = 0.035,
                .glide = 0.8});
    Noise noise(0x51ACEu);
    Biquad tone;
    tone.lowpass(2500, 0.7);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double tap = 0.3 * tone.process(noise.next()) * std::exp(-t / 0.004);
        s.left[i] += tap;
        s.right[i] += tap;
    }
    return s;
}

// A bright glockenspiel chime: C6, E6 and G6 struck in quick succession, spread across the field.
Stereo score() {
    Stereo s(0.47);
    const std::vector<Partial> bell = {
        {1, 1.0}, {2, 0.3, 0.15}, {3, 0.12, 0.08}, {4.16, 0.1, 0.05}, {5.43, 0.05, 0.03}};
    const int notes[] = {84, 88, 91};
    for (int k = 0; k < 3; ++k) {
        const double start = 0.045 * k;
        addNote(s, {.start = start,
                    .length = 0.47 - start,
                    .freq = noteHz(notes[k]),
                    .partials = bell,
                    .gain = 1.0 - 0.1 * k,
                    .attack = 0.002,
                    .release = 0.08,
                    .decay = 0.16,
                    .pan = -0.35 + 0.35 * k,
                    .detuneCents = 3});
    }
    return s;
}

// The sad trombone: four muted brass notes stepping down, the last one drooping with vibrato.
Stereo quazzle() {
    Stereo s(1.25);
    const int notes[] = {62, 61, 60, 59};
    for (int k = 0; k < 4; ++k) {
        const bool last = k == 3;
        const double start = 0.27 * k;
        addNote(s, {.start = start,
                    .length = last ? 1.25 - start : 0.25,
                    .freq = noteHz(notes[k]),
                    .partials = kBrass,
                    .attack = 0.03,
                    .release = last ? 0.12 : 0.06,
                    .detuneCents = 5,
                    .glide = last ? 0.96 : 1.0,
                    .vibratoHz = last ? 5.5 : 0.0,
                    .vibratoDepth = last ? 0.012 : 0.0,
                    .wah = 1.2});
    }
    return s;
}

// A low D minor chord, lightly strummed, ringing out.
Stereo over() {
    Stereo s(1.62);
    std::vector<Partial> piano;
    for (int k = 1; k <= 7; ++k) piano.push_back({double(k), 1.0 / k, 1.2 / k});
    const int notes[] = {38, 45, 50, 53, 57};
    for (int k = 0; k < 5; ++k) {
        const double start = 0.018 * k;
        addNote(s, {.start = start,
                    .length = 1.62 - start,
                    .freq = noteHz(notes[k]),
                    .partials = piano,
                    .gain = k == 0 ? 1.0 : 0.7,
                    .attack = 0.004,
                    .release = 0.3,
                    .decay = 0.75,
                    .pan = -0.4 + 0.2 * k,
                    .detuneCents = 4});
    }
    return s;
}

// A cheerful two-note bling, B5 up to E6, with a faint sparkle an octave above.
Stereo cherry() {
    Stereo s(0.44);
    const std::vector<Partial> square = {{1, 1.0}, {2, 0.2}, {3, 0.25}, {4, 0.08}, {5, 0.08}};
    addNote(s, {.length = 0.075,
                .freq = noteHz(83),
                .partials = square,
                .attack = 0.002,
                .release = 0.015,
                .pan = -0.2,
                .detuneCents = 3});
    addNote(s, {.start = 0.07,
                .length = 0.37,
                .freq = noteHz(88),
                .partials = square,
                .attack = 0.002,
                .release = 0.08,
                .decay = 0.13,
                .pan = 0.2,
                .detuneCents = 3,
                .tremoloHz = 18,
                .tremoloDepth = 0.25});
    addNote(s, {.start = 0.07,
                .length = 0.2,
                .freq = noteHz(100),
                .partials = {{1, 1.0}},
                .gain = 0.2,
                .attack = 0.002,
                .release = 0.05,
                .decay = 0.05,
                .detuneCents = 8});
    return s;
}

// Power-up: a pulsing tone sweeping up three octaves over a crackling fuse.
Stereo bomb() {
    Stereo s(0.72);
    addNote(s, {.length = 0.72,
                .freq = 180,
                .partials = {{1, 1.0}, {2, 0.25}, {3, 0.11}, {5, 0.04}},
                .attack = 0.02,
                .release = 0.1,
                .detuneCents = 7,
                .glide = 8.0,
                .tremoloHz = 16,
                .tremoloDepth = 0.6});
    Noise noise(0xB0B1u);
    Noise crackle(0xF05Eu);
    Biquad hissL;
    Biquad hissR;
    hissL.bandpass(6000, 1.2);
    hissR.bandpass(6500, 1.2);
    double spark = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        // Random sparks that fade quickly give the hiss its sputter.
        if (crackle.next() > 0.995) spark = 1.0;
        spark *= 0.9993;
        const double level = 0.035 + 0.1 * spark;
        s.left[i] += level * hissL.process(noise.next());
        s.right[i] += level * hissR.process(noise.next());
    }
    return s;
}

// A burst of noise whose brightness collapses into a rolling rumble, with a thump underneath.
// It plays at the players' half volume yet must be among the loudest events, so the rumble sits
// where small speakers still carry it and its long body is saturated against the noise peaks.
Stereo explosion() {
    Stereo s(1.01);
    Noise common(0xE4B1u);
    Noise sideL(0x1EF7u);
    Noise sideR(0x9167u);
    Biquad blastL;
    Biquad blastR;
    Biquad rumbleL;
    Biquad rumbleR;
    rumbleL.bandpass(200, 0.7);
    rumbleR.bandpass(212, 0.7);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double cutoff = 400.0 + 5000.0 * std::exp(-t / 0.09);
        blastL.lowpass(cutoff, 0.8);
        blastR.lowpass(cutoff * 1.05, 0.8);
        const double c = common.next();
        const double l = 0.7 * c + 0.3 * sideL.next();
        const double r = 0.7 * c + 0.3 * sideR.next();
        const double shape = smoothRamp(t / 0.004) * smoothRamp((1.01 - t) / 0.3);
        const double blast = shape * 2.0 * std::exp(-t / 0.12);
        const double rumble = shape * 20.0 * std::exp(-t / 0.8);
        s.left[i] += blast * blastL.process(l) + rumble * rumbleL.process(l);
        s.right[i] += blast * blastR.process(r) + rumble * rumbleR.process(r);
    }
    addNote(s, {.length = 0.8,
                .freq = 70,
                .partials = {{1, 1.0}},
                .gain = 0.3,
                .attack = 0.003,
                .release = 0.2,
                .decay = 0.15,
                .glide = 0.45});
    softClip(s, 2.5);
    // Saturation sprays faint hiss over the whole band; take it away again as the blast darkens.
    Biquad toneL;
    Biquad toneR;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double cutoff = 1500.0 + 6000.0 * std::exp(-t / 0.09);
        toneL.lowpass(cutoff, 0.7);
        toneR.lowpass(cutoff, 0.7);
        s.left[i] = toneL.process(s.left[i]);
        s.right[i] = toneR.process(s.right[i]);
    }
    return s;
}

// A brass fanfare: G4 C5 E5 G5 climbing to a held C major chord.
Stereo levelup() {
    Stereo s(0.72);
    const int run[] = {67, 72, 76, 79};
    for (int k = 0; k < 4; ++k) {
        addNote(s, {.start = 0.085 * k,
                    .length = 0.1,
                    .freq = noteHz(run[k]),
                    .partials = kBrass,
                    .gain = 0.8,
                    .attack = 0.012,
                    .release = 0.03,
                    .pan = k % 2 ? 0.25 : -0.25,
                    .detuneCents = 4,
                    .wah = 0.4});
    }
    const int chord[] = {84, 76, 79};
    for (int k = 0; k < 3; ++k) {
        addNote(s, {.start = 0.34,
                    .length = 0.38,
                    .freq = noteHz(chord[k]),
                    .partials = kBrass,
                    .gain = k == 0 ? 0.9 : 0.5,
                    .attack = 0.015,
                    .release = 0.15,
                    .pan = -0.3 + 0.3 * k,
                    .detuneCents = 5,
                    .vibratoHz = 6,
                    .vibratoDepth = 0.005});
    }
    return s;
}

// Fades both ends to silence and scales the loudest sample to `peakDb` below full scale.
void finish(Stereo& s, double peakDb) {
    const std::size_t fadeIn = framesFor(0.002);
    const std::size_t fadeOut = framesFor(0.008);
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n; ++i) {
        double g = 1.0;
        if (i < fadeIn) g *= smoothRamp(static_cast<double>(i) / static_cast<double>(fadeIn));
        if (n - 1 - i < fadeOut)
            g *= smoothRamp(static_cast<double>(n - 1 - i) / static_cast<double>(fadeOut));
        s.left[i] *= g;
        s.right[i] *= g;
    }
    double peak = 0;
    for (std::size_t i = 0; i < n; ++i)
        peak = std::max({peak, std::abs(s.left[i]), std::abs(s.right[i])});
    if (peak <= 0) return;
    const double scale = std::pow(10.0, peakDb / 20.0) / peak;
    for (std::size_t i = 0; i < n; ++i) {
        s.left[i] *= scale;
        s.right[i] *= scale;
    }
}

std::int16_t toPcm(double x) {
    return static_cast<std::int16_t>(std::lround(std::clamp(x, -1.0, 1.0) * 32767.0));
}

// Levels as the game plays them, the players at half volume: every recording within 3 LU of
// the others, the explosion and both game-over calls at the top (about -16 LUFS) and the
// frequent placing click at the bottom. A recording's loudness follows from its shape, so its
// level is set as the peak it is scaled to. README.md has the measurements.
struct Synthesis {
    std::string_view name;
    Stereo (*make)();
    double peakDb;
};

const Synthesis kSyntheses[] = {
    {sound::kPlace, place, -4.6},         {sound::kScore, score, -9.7},
    {sound::kQuazzle, quazzle, -9.0},     {sound::kOver, over, -1.8},
    {sound::kCherry, cherry, -4.4},       {sound::kBomb, bomb, -6.7},
    {sound::kExplosion, explosion, -2.4}, {sound::kLevelup, levelup, -2.4},
};
static_assert(std::size(kSyntheses) == sound::kRecordings.size(), "one synthesis per recording");

}  // namespace

namespace quazzle::sound {

std::vector<std::int16_t> synthesise(std::string_view name) {
    const auto* const found = std::ranges::find(kSyntheses, name, &Synthesis::name);
    if (found == std::end(kSyntheses)) return {};
    Stereo s = found->make();
    finish(s, found->peakDb);
    std::vector<std::int16_t> samples;
    samples.reserve(2 * s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        samples.push_back(toPcm(s.left[i]));
        samples.push_back(toPcm(s.right[i]));
    }
    return samples;
}

}  // namespace quazzle::sound
