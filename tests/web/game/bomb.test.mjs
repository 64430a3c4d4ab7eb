// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Bombs: one is earned every 30 s of a game; Space sets one off when it is released, blasting
// a cluster of cells, and a Space held down sets off one however long it is held.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {columnOf, GamePage, parseCell, rowOf} from '../support/game.mjs';
import {servedSite} from '../support/sites.mjs';

const kPort = 8234;
const kEarnMs = 30000;
// The news of it waits up to 1.2 s for what was said before; generous, for a busy machine.
const kLateMs = 2000;
// Well within the 10.75 s the hourglass gives a placement.
const kPlaceEveryMs = 3000;

const served = servedSite(kPort);

const bombs = async (game) => (await game.panels()).bombs;

// The cells named "blasted" after `from`, in the order they were; each at most once.
async function blastedSince(game, from) {
  const cells = (await game.seen()).cells
      .filter(([t, name]) => t > from && /: blasted$/.test(name))
      .map(([, name]) => parseCell(name).index);
  return [...new Set(cells)];
}

// A blast: a cell with all its neighbours on the board first, then some of its neighbours.
function assertCluster(cells) {
  assert.ok(cells.length >= 2, `blasted: ${cells}`);
  const [centre] = cells;
  assert.ok(rowOf(centre) >= 1 && rowOf(centre) <= 8 && columnOf(centre) >= 1 &&
      columnOf(centre) <= 8, `the blast's centre ${centre}`);
  for (const i of cells) {
    assert.ok(Math.abs(rowOf(i) - rowOf(centre)) <= 1 &&
        Math.abs(columnOf(i) - columnOf(centre)) <= 1, `${i} beside ${centre}`);
  }
}

describe('bombs', () => {
  test('are earned every 30 s; Space held sets off one, Space pressed another, each a cluster',
      {timeout: 150000}, async (t) => {
        const game = await GamePage.open(served.browser, `http://127.0.0.1:${kPort}/?seed=31`);
        const startedAt = await game.startGame();
        // The game kept alive until the second bomb is in hand.
        let second = null;
        while (second === null) {
          await game.placeAsPlanned();
          second = await game.news(/^Bomb earned, 2 of 3$/,
              {after: startedAt, timeout: kPlaceEveryMs}).catch(() => null);
        }
        const [first] = await game.news(/^Bomb earned, 1 of 3$/, {after: startedAt});
        t.diagnostic(`bombs earned ${(first - startedAt).toFixed(0)} and ` +
          `${(second[0] - startedAt).toFixed(0)} ms after "Start Game"`);
        assert.ok(first - startedAt >= kEarnMs && first - startedAt < kEarnMs + kLateMs,
            `the first bomb ${first - startedAt} ms after the start`);
        assert.ok(second[0] - startedAt >= 2 * kEarnMs &&
            second[0] - startedAt < 2 * kEarnMs + kLateMs,
        `the second bomb ${second[0] - startedAt} ms after the start`);
        assert.equal(await bombs(game), 'Bombs 2 of 3');
        await game.keepShot('two-bombs');

        // Held for 1.2 s, repeating as a held key does: nothing goes off until the release,
        // and then one bomb.
        const heldAt = await game.now();
        await game.page.keyboard.down('Space');
        for (let k = 0; k < 36; ++k) {
          await game.page.waitForTimeout(33);
          await game.page.keyboard.down('Space');
        }
        assert.equal(await bombs(game), 'Bombs 2 of 3');
        assert.deepEqual(await blastedSince(game, heldAt), []);
        const releasedAt = await game.now();
        await game.page.keyboard.up('Space');
        const seenKeys = (await game.seen()).input.filter(([time, type, code]) =>
          time > heldAt && code === 'Space' && type === 'keydown');
        assert.ok(seenKeys.filter(([, , , repeat]) => repeat).length > 20, 'the key repeated');
        await game.news(/^Bomb used, 1 left$/, {after: releasedAt});
        // Long after the blast: still one in hand.
        await game.page.waitForTimeout(1500);
        assert.equal(await bombs(game), 'Bombs 1 of 3');
        await game.keepShot('after-a-blast');
        const firstBlast = await blastedSince(game, releasedAt);
        assertCluster(firstBlast);
        const news = (await game.seen()).news.filter(([time, text]) => time > releasedAt &&
          /Bomb used/.test(text));
        assert.equal(news.length, 1);

        // Pressed and released.
        const pressedAt = await game.now();
        await game.page.keyboard.press('Space');
        await game.news(/^Bomb used, 0 left$/, {after: pressedAt});
        await game.page.waitForTimeout(1000);
        assert.equal(await bombs(game), 'Bombs 0 of 3');
        const secondBlast = await blastedSince(game, pressedAt);
        assertCluster(secondBlast);
        // The blasted cells are empty now.
        await game.pointerOff();
        const cells = await game.cells();
        const painted = await game.paintedCells();
        for (const i of secondBlast) {
          assert.equal(cells[i].word, 'empty', `cell ${i}`);
          assert.equal(painted[i], 'empty', `cell ${i} painted`);
        }
        await game.close();
      });
});
