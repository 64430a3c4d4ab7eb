// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {
  devicePixel, fitClient, kPictureRatios, lineWidth, lround, mapRect, penColumns, pictureRatio,
  pictureSpan,
} from '../../../web/device.js';

const kRatios = [1, 1.25, 1.5, 1.75, 2, 2.25, 2.5, 3, 0.72, 1.1, 2.16];

describe('device pixels', () => {
  test('halves round away from zero, as lround does', () => {
    assert.equal(lround(2.5), 3);
    assert.equal(lround(-2.5), -3);
    assert.equal(lround(-0.4), -0);
    assert.equal(devicePixel(362, 1.25), 453);
  });

  test('neighbouring rectangles meet without a gap or an overlap at any ratio', () => {
    for (const ratio of kRatios) {
      for (let x = 0; x < 40; ++x) {
        const a = mapRect([x, 0, 1, 1], ratio);
        const b = mapRect([x + 1, 0, 1, 1], ratio);
        assert.equal(a[0] + a[2], b[0], `x ${x} at ${ratio}`);
      }
    }
  });

  test('an edge line is a whole number of device pixels, at least one', () => {
    assert.deepEqual([0.5, 1, 1.75, 2, 2.5, 3].map(lineWidth), [1, 1, 1, 2, 2, 3]);
  });

  // Where the desktop window's divider lands, read from its grabs at each ratio.
  test('an upright one-pixel line covers the device pixels the desktop fills', () => {
    const grabbed = [[1, 46, 1], [1.25, 57, 1], [1.5, 68, 2], [1.75, 80, 1], [2, 91, 2],
      [2.5, 114, 2], [3, 137, 3]];
    for (const [ratio, first, count] of grabbed) {
      const [start, n] = penColumns(46, 264, ratio);
      assert.deepEqual([start - Math.round(264 * ratio), n], [first, count], `at ${ratio}`);
    }
  });
});

describe('pictures', () => {
  test('the set drawn at or above the ratio, or the largest', () => {
    assert.equal(pictureRatio(1), 1);
    assert.equal(pictureRatio(0.72), 1);
    assert.equal(pictureRatio(1.1), 1.25);
    assert.equal(pictureRatio(1.25), 1.25);
    assert.equal(pictureRatio(2.16), 2.5);
    assert.equal(pictureRatio(4), 3);
    // A ratio computed as a product lands a hair off the one it means.
    assert.equal(pictureRatio(0.1 * 3 * 5), 1.5);
  });

  test('a picture takes its window size in device pixels, rounded up', () => {
    for (const ratio of kPictureRatios) {
      for (const size of [29, 30, 169, 192]) {
        const span = pictureSpan(size, ratio);
        assert.ok(span >= size * ratio - 1e-9 && span < size * ratio + 1, `${size} at ${ratio}`);
        assert.equal(Number.isInteger(span), true);
      }
    }
    assert.equal(pictureSpan(30, 1.25), 38);
    assert.equal(pictureSpan(169, 3), 507);
  });
});

describe('the client area on the page', () => {
  const client = [541, 391];

  test('shown at its own size where it fits, never larger', () => {
    const fit = fitClient(client, {width: 1200, height: 900}, 1);
    assert.equal(fit.scale, 1);
    assert.deepEqual([fit.deviceWidth, fit.deviceHeight], [541, 391]);
    assert.deepEqual([fit.left, fit.top], [329, 254]);
  });

  test('scaled down to fit, aspect kept, on whole device pixels', () => {
    for (const dpr of [1, 1.25, 1.5, 2, 3]) {
      for (const viewport of [{width: 400, height: 800}, {width: 900, height: 300},
        {width: 333, height: 251}]) {
        const fit = fitClient(client, viewport, dpr);
        assert.ok(fit.scale < 1);
        assert.ok(fit.deviceWidth <= viewport.width * dpr + 0.5);
        assert.ok(fit.deviceHeight <= viewport.height * dpr + 0.5);
        assert.ok(Math.abs(fit.deviceWidth / fit.deviceHeight - 541 / 391) < 0.01);
        assert.equal(fit.ratio, fit.scale * dpr);
        assert.ok(Number.isInteger(Math.round(fit.left * dpr * 1e6) / 1e6));
        assert.ok(Number.isInteger(Math.round(fit.top * dpr * 1e6) / 1e6));
      }
    }
  });
});
