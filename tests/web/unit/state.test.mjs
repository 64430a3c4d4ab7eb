// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {applyFrame, Inbox, newState} from '../../../web/state.js';

describe('frames fold into one state', () => {
  test('a frame changes only the parts it carries', () => {
    const state = newState();
    applyFrame(state, {cells: [[0, 255, 0], [99, 4210752, 1]], hourglass: 15, start: true,
      a11y: {score: 'Score 0, best 0', timeLeft: 99}});
    applyFrame(state, {cells: [[0, 65280, 0]], a11y: {timeLeft: 98}, start: false});
    assert.deepEqual(state.cells[0], {colour: 65280, picture: 0});
    assert.deepEqual(state.cells[99], {colour: 4210752, picture: 1});
    assert.equal(state.cells[1], null);
    assert.equal(state.hourglass, 15);
    assert.equal(state.start, false);
    assert.deepEqual(state.a11y, {score: 'Score 0, best 0', timeLeft: 98});
  });

  test('a fill of zero and a hidden button are news too', () => {
    const state = newState();
    applyFrame(state, {hourglass: 0, start: false});
    assert.equal(state.hourglass, 0);
    assert.equal(state.start, false);
  });

  test('cells outside the board are not taken', () => {
    const state = newState();
    applyFrame(state, {cells: [[100, 1, 0], [-1, 1, 0]], names: [[100, 'x']]});
    assert.equal(state.cells.length, 100);
    assert.ok(state.cells.every((c) => c === null));
  });

  test('what a frame brings besides comes back in order', () => {
    const state = newState();
    const sounds = [['effect', 'thePlace'], ['play', 0], ['stop', 0]];
    const brought = applyFrame(state, {sounds, say: 'Bomb', prompt: {title: 'Game Over'}});
    assert.deepEqual(brought.sounds, sounds);
    assert.equal(brought.say, 'Bomb');
    assert.equal(brought.prompt.title, 'Game Over');
  });

  test('a frame handed over is not kept by reference', () => {
    const state = newState();
    const preview = new Array(32).fill(1);
    applyFrame(state, {preview});
    preview[3] = 2;
    assert.equal(state.preview[3], 1);
  });
});

describe('the inbox between animation frames', () => {
  test('messages come out in the order they came', () => {
    const inbox = new Inbox(newState());
    inbox.push({hello: {}});
    inbox.push({frame: {hourglass: 1}});
    inbox.push({ended: 0});
    assert.deepEqual(inbox.take().map((m) => Object.keys(m)[0]), ['hello', 'frame', 'ended']);
    assert.equal(inbox.empty, true);
  });

  test('a page left undrawn keeps the state, not every frame, nor their sounds', () => {
    const state = newState();
    const inbox = new Inbox(state, 4);
    inbox.push({hello: {}});
    for (let k = 0; k < 10; ++k) {
      inbox.push({frame: {hourglass: k, cells: [[k, k, 0]], sounds: [['effect', 'thePlace']]}});
    }
    const left = inbox.take();
    assert.equal(left.length, 4);
    assert.ok(left[0].hello);
    // The folded frames are in the state; the kept ones still to come, in order.
    assert.deepEqual(state.cells.slice(0, 7).map((c) => c.colour), [0, 1, 2, 3, 4, 5, 6]);
    assert.deepEqual(left.slice(1).map((m) => m.frame.hourglass), [7, 8, 9]);
    assert.equal(state.hourglass, 6);
  });

  test('a prompt in a folded frame is still asked', () => {
    const inbox = new Inbox(newState(), 2);
    inbox.push({frame: {prompt: {title: 'Game Over'}}});
    inbox.push({frame: {hourglass: 1}});
    inbox.push({frame: {hourglass: 2}});
    const left = inbox.take();
    assert.equal(left[0].frame.prompt.title, 'Game Over');
    assert.equal(left.length, 3);
  });
});
