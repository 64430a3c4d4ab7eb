// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

import assert from 'node:assert/strict';
import {describe, mock, test} from 'node:test';

import {kPlayerGain, kSleepAfterMs, Sound, toAudioBuffer} from '../../../web/audio.js';

// Just enough of Web Audio to hear what the page does with it.
class FakeContext {
  constructor() {
    this.state = 'suspended';
    this.destination = {name: 'destination'};
    this.sources = [];
    this.buffers = [];
  }
  resume() {
    this.state = 'running';
    return Promise.resolve();
  }
  suspend() {
    this.state = 'suspended';
    return Promise.resolve();
  }
  close() {
    this.state = 'closed';
    return Promise.resolve();
  }
  createGain() {
    return {gain: {value: 1}, connect(to) {
      this.to = to;
    }};
  }
  createBuffer(channels, frames, rate) {
    const data = Array.from({length: channels}, () => new Float32Array(frames));
    const buffer = {channels, frames, rate, data, copyToChannel(from, c) {
      data[c].set(from);
    }};
    this.buffers.push(buffer);
    return buffer;
  }
  createBufferSource() {
    const source = {started: false, stopped: false,
      connect(to) {
        this.to = to;
      },
      disconnect() {},
      start() {
        this.started = true;
      },
      stop() {
        this.stopped = true;
      }};
    this.sources.push(source);
    return source;
  }
}

// The game's recordings in a memory that grows when one is first made, as the game's may.
function recordings() {
  const memory = {heap: new Int16Array(8)};
  const names = ['THEPLACE', 'THESCORE', 'THEBOMB', 'THECHERRY'];
  const at = new Map();
  const asked = [];
  return {
    memory,
    asked,
    count: () => names.length,
    name: (i) => names[i],
    frames: () => 3,
    samples: (i) => {
      asked.push(i);
      if (!at.has(i)) {
        const start = memory.heap.length;
        const grown = new Int16Array(start + 6);
        grown.set(memory.heap);
        grown.set([1000 * (i + 1), -1000 * (i + 1), 0, 0, 32767, -32768], start);
        memory.heap = grown;
        at.set(i, start);
      }
      return memory.heap.subarray(at.get(i), at.get(i) + 6);
    },
  };
}

function unlocked() {
  let context;
  const sound = new Sound(recordings(), () => (context = new FakeContext()));
  sound.setPlayers(['theBomb', 'theCherry', 'theExplosion', 'theLevelup']);
  sound.unlock();
  return {sound, context};
}

describe('sound before the first gesture', () => {
  test('is dropped, not kept for later', () => {
    let made = 0;
    const sound = new Sound(recordings(), () => {
      made += 1;
      return new FakeContext();
    });
    sound.apply([['effect', 'thePlace'], ['play', 0]]);
    assert.equal(made, 0);
    sound.unlock();
    assert.equal(made, 1);
    assert.equal(sound.context.sources.length, 0);
  });

  test('a context that cannot be made leaves the game silent, without a word', () => {
    const sound = new Sound(recordings(), () => {
      throw new Error('no audio device');
    });
    sound.unlock();
    assert.doesNotThrow(() => sound.apply([['effect', 'thePlace'], ['play', 1], ['stop', 1]]));
    assert.equal(sound.unlocked, false);
  });
});

describe('the effect voice and the players', () => {
  test('a new effect cuts off the one playing', () => {
    const {sound, context} = unlocked();
    sound.apply([['effect', 'thePlace'], ['effect', 'theScore']]);
    const [first, second] = context.sources;
    assert.equal(first.stopped, true);
    assert.equal(second.started, true);
    assert.equal(second.stopped, false);
    assert.equal(second.to, context.destination);
  });

  test('players sound at half volume, each on its own, restarted by a play', () => {
    const {sound, context} = unlocked();
    sound.apply([['play', 0], ['play', 1], ['play', 0]]);
    const [bomb, cherry, again] = context.sources;
    assert.equal(bomb.stopped, true);
    assert.equal(cherry.stopped, false);
    assert.equal(again.started, true);
    assert.equal(again.buffer, bomb.buffer);
    assert.equal(again.to.gain.value, kPlayerGain);
    assert.notEqual(again.to, cherry.to);
    assert.equal(again.to.to, context.destination);
  });

  test('an effect leaves the players playing, and a stop stops only its player', () => {
    const {sound, context} = unlocked();
    sound.apply([['play', 1], ['play', 0], ['effect', 'thePlace'], ['stop', 0]]);
    const [cherry, bomb, place] = context.sources;
    assert.deepEqual([cherry.stopped, bomb.stopped, place.stopped], [false, true, false]);
  });

  test('recordings are found whatever their case, and made once', () => {
    const {sound, context} = unlocked();
    sound.apply([['effect', 'thePlace'], ['effect', 'THEPLACE'], ['effect', 'noSuchSound']]);
    assert.equal(context.buffers.length, 1);
    assert.equal(sound.recordings.asked.length, 1);
    assert.equal(context.sources.length, 2);
  });

  test('samples are read from the memory as it is after they are made', () => {
    const {sound, context} = unlocked();
    sound.apply([['effect', 'thePlace'], ['play', 0]]);
    const [place, bomb] = context.buffers;
    assert.deepEqual(Array.from(place.data[0]), [1000 / 32768, 0, 32767 / 32768]);
    assert.deepEqual(Array.from(place.data[1]), [-1000 / 32768, 0, -1]);
    assert.equal(bomb.data[0][0], 3000 / 32768);
    assert.equal(place.rate, 44100);
  });

  test('after the end nothing more is played', () => {
    const {sound, context} = unlocked();
    sound.close();
    sound.apply([['effect', 'thePlace']]);
    assert.equal(context.sources.length, 0);
    assert.equal(context.state, 'closed');
  });
});

describe('the context while nothing plays', () => {
  test('sleeps a while after the gesture that started it, when that brought no sound', () => {
    mock.timers.enable({apis: ['setTimeout']});
    try {
      const {sound, context} = unlocked();
      assert.equal(context.state, 'running');
      mock.timers.tick(kSleepAfterMs - 1);
      assert.equal(context.state, 'running');
      mock.timers.tick(1);
      assert.equal(context.state, 'suspended');
      // The next sound wakes it, and it stays awake while the sound plays.
      sound.apply([['effect', 'thePlace']]);
      assert.equal(context.state, 'running');
      mock.timers.tick(2 * kSleepAfterMs);
      assert.equal(context.state, 'running');
      context.sources[0].onended();
      mock.timers.tick(kSleepAfterMs);
      assert.equal(context.state, 'suspended');
    } finally {
      mock.timers.reset();
    }
  });
});

test('interleaved stereo splits into its two channels', () => {
  const buffer = toAudioBuffer(new FakeContext(), Int16Array.from([1, 2, 3, 4, 5, 6]), 3);
  assert.deepEqual(Array.from(buffer.data[0]).map((v) => v * 32768), [1, 3, 5]);
  assert.deepEqual(Array.from(buffer.data[1]).map((v) => v * 32768), [2, 4, 6]);
});
