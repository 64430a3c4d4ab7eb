// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Writes the game's eight recordings as 16-bit stereo 44.1 kHz WAVE files.
//
// Usage: make_sounds OUTPUT_DIR

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "game/sounds.h"
#include "synthesis.h"

namespace sound = quazzle::sound;

namespace {

void put16(std::vector<char>& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::vector<char>& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

void putTag(std::vector<char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

bool writeWave(const std::filesystem::path& path, const std::vector<std::int16_t>& samples) {
    constexpr std::uint16_t kChannels = 2;
    constexpr std::uint16_t kBlockAlign = kChannels * 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<char> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, sound::kSampleRate);
    put32(out, sound::kSampleRate * kBlockAlign);
    put16(out, kBlockAlign);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (const std::int16_t sample : samples) put16(out, static_cast<std::uint16_t>(sample));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

// The embedded name: the recording's name in capitals.
std::string fileStem(std::string_view name) {
    std::string stem(name);
    std::ranges::transform(stem, stem.begin(), [](unsigned char c) { return std::toupper(c); });
    return stem;
}

// For measure.sh: each recording's embedded name, route and the gain the game plays it at.
void printRoutes() {
    for (const sound::Recording& r : sound::kRecordings) {
        const bool effect = r.route == sound::Route::Effect;
        std::cout << fileStem(r.name) << (effect ? " effect " : " player ")
                  << (effect ? sound::kEffectGain : sound::kPlayerGain) << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--routes") {
        printRoutes();
        return 0;
    }
    if (argc != 2) {
        std::cerr << "usage: make_sounds OUTPUT_DIR | --routes\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::cerr << "make_sounds: cannot create " << dir << ": " << error.message() << '\n';
        return 1;
    }
    for (const sound::Recording& recording : sound::kRecordings) {
        const std::vector<std::int16_t> samples = sound::synthesise(recording.name);
        if (samples.empty()) {
            std::cerr << "make_sounds: no synthesis for " << recording.name << '\n';
            return 1;
        }
        const auto path = dir / (fileStem(recording.name) + ".wav");
        if (!writeWave(path, samples)) {
            std::cerr << "make_sounds: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
