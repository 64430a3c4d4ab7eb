// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {fitScorePoints, fontOf, kScorePoints, pixelSize} from '../../../web/text.js';

describe('the window fonts', () => {
  test('sizes go to whole pixels at 96 dots an inch', () => {
    assert.equal(pixelSize(24), 32);
    assert.equal(pixelSize(8.25), 11);
    assert.equal(pixelSize(23.23), 31);
    assert.equal(pixelSize(22.53), 30);
    assert.match(fontOf(24, 1.5), /^bold 48px Verdana, "Quazzle Sans"$/);
  });
});

describe('the score shrinks to fit its room', () => {
  // A text whose width follows the whole-pixel font size, as the browser measures it.
  const measureFor = (emWidth) => (points) => emWidth * pixelSize(points);

  test('a text that fits keeps the score font', () => {
    const fit = fitScorePoints(measureFor(2), 97);
    assert.equal(fit.points, kScorePoints);
    assert.equal(fit.width, 64);
  });

  test('a text too wide ends up no wider than the room, and not much narrower', () => {
    for (const em of [3.1, 3.2, 4, 6.5, 12, 40]) {
      const fit = fitScorePoints(measureFor(em), 97);
      assert.ok(fit.width <= 97, `em ${em}: ${fit.width}`);
      assert.equal(fit.width, measureFor(em)(fit.points));
      // Either the first step, in proportion, or one nudge after a size still too wide.
      const proportional = kScorePoints * 97 / measureFor(em)(kScorePoints);
      const inProportion = Math.abs(fit.points - proportional) < 1e-9;
      assert.ok(inProportion || measureFor(em)(fit.points / 0.97) > 97, `em ${em}`);
    }
  });

  test('a width that rounds past the room is nudged down a step at a time', () => {
    // 100.22 wide at 32 px: in proportion 31 px, still 97.09 wide; one nudge down is 30 px.
    const fit = fitScorePoints(measureFor(100.21875 / 32), 97);
    assert.equal(pixelSize(fit.points), 30);
  });

  test('the nudging stops at a point, fitting or not', () => {
    const fit = fitScorePoints((points) => (points > 0.5 ? 1000 : 10), 97);
    assert.ok(fit.points <= 1 && fit.points > 0.97, String(fit.points));
    assert.equal(fit.width, 1000);
  });
});
