// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "audio/sound_system.h"

#include "audio/wave_file.h"
#include "game/sounds.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <QTimer>
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

namespace quazzle {
namespace {

// A source and the buffer it owns (0 when nothing is bound).
struct Voice {
    ALuint source = 0;
    ALuint buffer = 0;
};

ALuint newSource(float gain) {
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return 0;
    alSourcef(source, AL_GAIN, gain);
    // Flat, centred playback: the game has no positional audio.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    return source;
}

// An OpenAL buffer holding the recording's PCM, or 0 when the bytes cannot be played.
ALuint upload(const QByteArray& bytes) {
    std::optional<WaveData> wave = parseWave(bytes);
    if (!wave || wave->samples.isEmpty() || wave->samples.size() > INT_MAX) return 0;
    if constexpr (std::endian::native == std::endian::big) {
        // WAVE samples are little-endian, OpenAL wants them in host order.
        char* p = wave->samples.data();
        for (qsizetype i = 0; i + 1 < wave->samples.size(); i += 2) std::swap(p[i], p[i + 1]);
    }
    const ALenum format = wave->channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) return 0;
    alBufferData(buffer, format, wave->samples.constData(),
                 static_cast<ALsizei>(wave->samples.size()), wave->sampleRate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}

// Stops the voice and frees its buffer; a buffer can only go once no source refers to it.
void release(Voice& voice) {
    if (!voice.source) return;
    alSourceStop(voice.source);
    alSourcei(voice.source, AL_BUFFER, 0);
    if (voice.buffer) alDeleteBuffers(1, &voice.buffer);
    voice.buffer = 0;
}

void load(Voice& voice, const QByteArray& bytes) {
    release(voice);
    voice.buffer = upload(bytes);
    if (voice.buffer) alSourcei(voice.source, AL_BUFFER, static_cast<ALint>(voice.buffer));
}

bool isPlaying(const Voice& voice) {
    ALint state = AL_INITIAL;
    alGetSourcei(voice.source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

float gainOf(const Voice& voice) {
    ALfloat gain = 0.0f;
    alGetSourcef(voice.source, AL_GAIN, &gain);
    return gain;
}

// What is left of the voice's recording, in seconds; 0 once it has stopped.
double secondsLeft(const Voice& voice);

BufferInfo bufferOf(const Voice& voice) {
    ALint id = 0;
    alGetSourcei(voice.source, AL_BUFFER, &id);
    BufferInfo info;
    if (id <= 0) return info;
    const auto buffer = static_cast<ALuint>(id);
    info.id = buffer;
    alGetBufferi(buffer, AL_FREQUENCY, &info.frequency);
    alGetBufferi(buffer, AL_CHANNELS, &info.channels);
    alGetBufferi(buffer, AL_BITS, &info.bits);
    alGetBufferi(buffer, AL_SIZE, &info.sizeBytes);
    return info;
}

double secondsLeft(const Voice& voice) {
    if (!isPlaying(voice)) return 0;
    const BufferInfo info = bufferOf(voice);
    const int frameBytes = info.channels * info.bits / 8;
    if (frameBytes <= 0 || info.frequency <= 0) return 0;
    ALfloat offset = 0.0f;
    alGetSourcef(voice.source, AL_SEC_OFFSET, &offset);
    return std::max(0.0, double(info.sizeBytes) / frameBytes / info.frequency - offset);
}

}  // namespace

struct SoundSystem::Openal {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    Voice effect;
    std::array<Voice, kPlayers> players{};
    // Mixing silence still costs a thread its share of a core: the device sleeps while no voice
    // sounds, where the library can pause it.
    LPALCDEVICEPAUSESOFT pauseDevice = nullptr;
    LPALCDEVICERESUMESOFT resumeDevice = nullptr;
    bool asleep = false;
    QTimer idle;

    Openal() = default;
    Openal(const Openal&) = delete;
    Openal& operator=(const Openal&) = delete;

    ~Openal() {
        if (context) {
            makeCurrent();
            release(effect);
            if (effect.source) alDeleteSources(1, &effect.source);
            for (Voice& player : players) {
                release(player);
                if (player.source) alDeleteSources(1, &player.source);
            }
            if (alcGetCurrentContext() == context) alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
        }
        if (device) alcCloseDevice(device);
    }

    // Another instance may have taken over the process-wide current context.
    void makeCurrent() const {
        if (alcGetCurrentContext() != context) alcMakeContextCurrent(context);
    }
};

SoundSystem::SoundSystem() {
    auto al = std::make_unique<Openal>();
    al->device = alcOpenDevice(nullptr);
    if (!al->device) return;
    // No effect sends: the game uses none, and every voice the library keeps ready is smaller.
    const std::array<ALCint, 3> attributes = {ALC_MAX_AUXILIARY_SENDS, 0, 0};
    al->context = alcCreateContext(al->device, attributes.data());
    if (!al->context || alcMakeContextCurrent(al->context) != ALC_TRUE) return;
    al->effect.source = newSource(sound::kEffectGain);
    if (!al->effect.source) return;
    for (Voice& player : al->players) {
        player.source = newSource(sound::kPlayerGain);
        if (!player.source) return;
    }
    if (alcIsExtensionPresent(al->device, "ALC_SOFT_pause_device")) {
        al->pauseDevice = reinterpret_cast<LPALCDEVICEPAUSESOFT>(
            alcGetProcAddress(al->device, "alcDevicePauseSOFT"));
        al->resumeDevice = reinterpret_cast<LPALCDEVICERESUMESOFT>(
            alcGetProcAddress(al->device, "alcDeviceResumeSOFT"));
    }
    al->idle.setSingleShot(true);
    QObject::connect(&al->idle, &QTimer::timeout, &al->idle, [this] { sleepWhenSilent(); });
    al_ = std::move(al);
}

void SoundSystem::wake() {
    // Without the library's pause there is nothing to wake, nor to watch.
    if (!al_->pauseDevice || !al_->resumeDevice) return;
    if (al_->asleep) al_->resumeDevice(al_->device);
    al_->asleep = false;
}

// Looks again when the last voice should have ended, and sleeps once it has.
void SoundSystem::sleepWhenSilent() {
    if (!al_->pauseDevice || al_->asleep) return;
    double left = secondsLeft(al_->effect);
    for (const Voice& player : al_->players) left = std::max(left, secondsLeft(player));
    if (left <= 0) {
        al_->pauseDevice(al_->device);
        al_->asleep = true;
        return;
    }
    // The mixer runs a little behind the clock; a voice that has not quite ended is looked at
    // again shortly.
    al_->idle.start(std::max(kSilenceCheckMinMs, int(std::ceil(left * 1000))));
}

bool SoundSystem::deviceAsleep() const { return al_ && al_->asleep; }

SoundSystem::~SoundSystem() = default;

bool SoundSystem::hasDevice() const { return al_ != nullptr; }

void SoundSystem::playEffect(const QByteArray& waveBytes) {
    soundBuffer_ = waveBytes;
    if (!al_) return;
    al_->makeCurrent();
    load(al_->effect, waveBytes);
    if (!al_->effect.buffer) return;
    wake();
    alSourcePlay(al_->effect.source);
    sleepWhenSilent();
}

void SoundSystem::bindPlayer(int player, const QByteArray& waveBytes) {
    if (!al_ || player < 0 || player >= kPlayers) return;
    al_->makeCurrent();
    load(al_->players[player], waveBytes);
}

void SoundSystem::playPlayer(int player) {
    if (!al_ || player < 0 || player >= kPlayers) return;
    const Voice& voice = al_->players[player];
    if (!voice.buffer) return;
    al_->makeCurrent();
    wake();
    alSourceRewind(voice.source);
    alSourcePlay(voice.source);
    sleepWhenSilent();
}

void SoundSystem::stopPlayer(int player) {
    if (!al_ || player < 0 || player >= kPlayers) return;
    al_->makeCurrent();
    alSourceStop(al_->players[player].source);
    alSourceRewind(al_->players[player].source);
}

bool SoundSystem::effectPlaying() const {
    if (!al_) return false;
    al_->makeCurrent();
    return isPlaying(al_->effect);
}

bool SoundSystem::playerPlaying(int player) const {
    if (!al_ || player < 0 || player >= kPlayers) return false;
    al_->makeCurrent();
    return isPlaying(al_->players[player]);
}

float SoundSystem::effectGain() const {
    if (!al_) return 0.0f;
    al_->makeCurrent();
    return gainOf(al_->effect);
}

float SoundSystem::playerGain(int player) const {
    if (!al_ || player < 0 || player >= kPlayers) return 0.0f;
    al_->makeCurrent();
    return gainOf(al_->players[player]);
}

double SoundSystem::playerOffsetSeconds(int player) const {
    if (!al_ || player < 0 || player >= kPlayers) return 0.0;
    al_->makeCurrent();
    ALfloat offset = 0.0f;
    alGetSourcef(al_->players[player].source, AL_SEC_OFFSET, &offset);
    return offset;
}

BufferInfo SoundSystem::effectBuffer() const {
    if (!al_) return {};
    al_->makeCurrent();
    return bufferOf(al_->effect);
}

BufferInfo SoundSystem::playerBuffer(int player) const {
    if (!al_ || player < 0 || player >= kPlayers) return {};
    al_->makeCurrent();
    return bufferOf(al_->players[player]);
}

int SoundSystem::voicesPlaying() const {
    if (!al_) return 0;
    al_->makeCurrent();
    int count = isPlaying(al_->effect) ? 1 : 0;
    for (const Voice& player : al_->players) count += isPlaying(player) ? 1 : 0;
    return count;
}

}  // namespace quazzle
