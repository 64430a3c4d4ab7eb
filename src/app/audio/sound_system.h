// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <memory>

namespace quazzle {

// What an OpenAL buffer attached to a source holds; all zero when none is attached.
struct BufferInfo {
    unsigned id = 0;
    int frequency = 0;
    int channels = 0;
    int bits = 0;
    int sizeBytes = 0;
};

// The game's sound output through OpenAL. One effect channel, where every new effect cuts off
// the one playing, and four players that are bound to a recording once and then started and
// stopped at will. Playback is asynchronous; OpenAL mixes on its own thread.
// Without an audio device every call is a silent no-op.
class SoundSystem {
  public:
    static constexpr int kPlayers = 4;
    // The shortest wait before a voice that should have ended is looked at again.
    static constexpr int kSilenceCheckMinMs = 5;

    explicit SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    bool hasDevice() const;

    // Remembers the bytes as the sound buffer, stops the current effect and plays these.
    // Bytes that are not a playable recording leave the effect channel silent.
    void playEffect(const QByteArray& waveBytes);

    // Players 0..kPlayers-1; other numbers are ignored.
    void bindPlayer(int player, const QByteArray& waveBytes);  // stops it, does not start it
    void playPlayer(int player);                               // from the beginning
    void stopPlayer(int player);                               // and rewinds

    // Inspection, for tests and diagnostics.
    const QByteArray& soundBuffer() const { return soundBuffer_; }
    bool effectPlaying() const;
    bool playerPlaying(int player) const;
    float effectGain() const;
    float playerGain(int player) const;
    double playerOffsetSeconds(int player) const;
    BufferInfo effectBuffer() const;
    BufferInfo playerBuffer(int player) const;
    int voicesPlaying() const;  // effect and players together
    bool deviceAsleep() const;  // paused while nothing sounds

  private:
    void wake();
    void sleepWhenSilent();

    struct Openal;
    std::unique_ptr<Openal> al_;  // null without a device
    QByteArray soundBuffer_;
};

}  // namespace quazzle
