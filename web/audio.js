// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The game's sound through Web Audio: one effect voice, where a new effect cuts off the one
// playing, and four players at half volume, each started from its beginning and stopped at will.
// The browser lets sound start only in a player's gesture: until then every sound is dropped.
// Without a sound device, or when Web Audio fails, the game plays silently and says nothing.

export const kPlayerGain = 0.5;
export const kPlayerCount = 4;
// A context with nothing to play sleeps after this long, so the page does not keep the sound
// device awake through a silent game; the desktop's sound device sleeps after as long.
export const kSleepAfterMs = 2000;

// The recordings as the game keeps them: 16-bit stereo at 44100 Hz, interleaved.
export const kChannels = 2;
export const kRate = 44100;

// Copies interleaved 16-bit stereo samples into a new AudioBuffer.
export function toAudioBuffer(context, samples, frames) {
  const buffer = context.createBuffer(kChannels, Math.max(1, frames), kRate);
  for (let channel = 0; channel < kChannels; ++channel) {
    const out = new Float32Array(frames);
    for (let i = 0; i < frames; ++i) out[i] = samples[i * kChannels + channel] / 32768;
    buffer.copyToChannel(out, channel);
  }
  return buffer;
}

export class Sound {
  // `recordings` gives the game's recordings: count(), name(i), frames(i) and samples(i), an
  // Int16Array of frames(i) x 2 samples read freshly from the game's memory.
  constructor(recordings, makeContext = () => new AudioContext({latencyHint: 'interactive'})) {
    this.recordings = recordings;
    this.makeContext = makeContext;
    this.context = null;
    this.failed = false;
    this.players = [];  // names bound to players 0..3, from the game's hello
    this.indices = null;  // lower-case name -> recording index
    this.buffers = new Map();  // recording index -> AudioBuffer
    this.effect = null;
    this.playing = new Array(kPlayerCount).fill(null);
    this.gains = [];
    this.sleepTimer = 0;
  }

  setPlayers(names) {
    this.players = names.slice();
  }

  // The first trusted gesture: from now on sound may start.
  unlock() {
    if (this.context || this.failed) return;
    try {
      this.context = this.makeContext();
      for (let k = 0; k < kPlayerCount; ++k) {
        const gain = this.context.createGain();
        gain.gain.value = kPlayerGain;
        gain.connect(this.context.destination);
        this.gains.push(gain);
      }
      this.context.resume().catch(() => {});
      // A gesture that brings no sound leaves nothing playing: the context sleeps as after one.
      this.sleepWhenSilent();
    } catch {
      this.fail();
    }
  }

  get unlocked() {
    return this.context !== null && !this.failed;
  }

  fail() {
    this.failed = true;
    this.context = null;
  }

  // Plays the frame's sounds in order: ["effect", name], ["play", player], ["stop", player].
  apply(sounds) {
    for (const [what, which] of sounds) {
      try {
        if (what === 'effect') this.playEffect(which);
        else if (what === 'play') this.playPlayer(which);
        else if (what === 'stop') this.stopPlayer(which);
      } catch {
        this.fail();
      }
    }
  }

  playEffect(name) {
    if (!this.unlocked) return;
    const buffer = this.buffer(name);
    if (this.effect) this.stopSource(this.effect);
    this.effect = buffer ? this.start(buffer, this.context.destination) : null;
  }

  playPlayer(player) {
    if (!this.unlocked || player < 0 || player >= kPlayerCount) return;
    const buffer = this.buffer(this.players[player]);
    if (this.playing[player]) this.stopSource(this.playing[player]);
    this.playing[player] = buffer ? this.start(buffer, this.gains[player]) : null;
  }

  stopPlayer(player) {
    if (!this.unlocked || !this.playing[player]) return;
    this.stopSource(this.playing[player]);
    this.playing[player] = null;
  }

  // Stops every voice for good: the program has ended.
  close() {
    if (this.context) this.context.close().catch(() => {});
    this.fail();
  }

  start(buffer, output) {
    this.wake();
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(output);
    source.onended = () => {
      if (this.effect === source) this.effect = null;
      const player = this.playing.indexOf(source);
      if (player >= 0) this.playing[player] = null;
      this.sleepWhenSilent();
    };
    source.start();
    return source;
  }

  stopSource(source) {
    source.onended = null;
    try {
      source.stop();
    } catch {
      // It had ended already.
    }
    source.disconnect();
    this.sleepWhenSilent();
  }

  wake() {
    clearTimeout(this.sleepTimer);
    this.sleepTimer = 0;
    if (this.context.state === 'suspended') this.context.resume().catch(() => {});
  }

  sleepWhenSilent() {
    if (!this.unlocked || this.effect || this.playing.some((p) => p)) return;
    clearTimeout(this.sleepTimer);
    this.sleepTimer = setTimeout(() => {
      this.sleepTimer = 0;
      if (this.unlocked && this.context.state === 'running') this.context.suspend().catch(() => {});
    }, kSleepAfterMs);
  }

  // The recording by its name, as an AudioBuffer made on first use; names match without
  // regard to case.
  buffer(name) {
    if (typeof name !== 'string') return null;
    if (!this.indices) {
      this.indices = new Map();
      const count = this.recordings.count();
      for (let i = 0; i < count; ++i) this.indices.set(this.recordings.name(i).toLowerCase(), i);
    }
    const index = this.indices.get(name.toLowerCase());
    if (index === undefined) return null;
    if (!this.buffers.has(index)) {
      const frames = this.recordings.frames(index);
      this.buffers.set(index, toAudioBuffer(this.context, this.recordings.samples(index), frames));
    }
    return this.buffers.get(index);
  }
}
