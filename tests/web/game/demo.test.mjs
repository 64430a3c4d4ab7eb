// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Before "Start Game": the demo plays by itself, silently until the player's first gesture, and
// nothing of it reaches into the game the player starts.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {open} from '../support/browser.mjs';
import {GamePage, parseScore, recorder} from '../support/game.mjs';
import {servedSite} from '../support/sites.mjs';

const kPort = 8231;
const url = (query) => `http://127.0.0.1:${kPort}/?${query}`;

const served = servedSite(kPort);

const boardShot = async (game) => {
  const box = await game.page.locator('#board').boundingBox();
  return (await game.page.screenshot({clip: box})).toString('base64');
};

describe('the demo', () => {
  test('plays by itself: the board changes with no input, and the page says it is a demo',
      async () => {
        const game = await GamePage.open(served.browser, url('seed=3'));
        await game.keepShot('demo');
        const names = await game.names();
        const picture = await boardShot(game);
        await game.page.waitForTimeout(2000);
        const later = await game.names();
        assert.notDeepEqual(later, names);
        assert.notEqual(await boardShot(game), picture);
        const score = await game.score();
        assert.ok(score.score > 0, 'the demo scores');
        assert.equal((await game.panels()).start, true);
        await game.news(/^Demo playing\. Press Start Game to play\.$/);
        const seen = await game.seen();
        assert.deepEqual(seen.input, []);
        await game.close();
      });

  test('is silent until a gesture: the context starts in a trusted click and sounds play',
      {timeout: 60000}, async () => {
        // Nothing may be asked through Playwright before the click: it asks as in a gesture,
        // which would unlock sound as no page script can.
        const game = new GamePage(await open(served.browser, url('seed=3'), {init: recorder}));
        const session = await game.session.context.newCDPSession(game.page);
        const ask = async (expression) => (await session.send('Runtime.evaluate',
            {expression, userGesture: false, awaitPromise: true, returnByValue: true}))
            .result.value;
        // The demo places pieces, each with its sound, many times a second.
        for (let tries = 0; !await ask(`/Score [1-9]/.test(
            document.getElementById('score').textContent)`); ++tries) {
          assert.ok(tries < 200, 'the demo scores');
          await new Promise((done) => setTimeout(done, 50));
        }
        const locked = await ask(`(async () => {
          const probe = new globalThis.quazzleSeen.unrecordedContext();
          const state = probe.state;
          await probe.close();
          return {made: globalThis.quazzleSeen.contexts.length, probe: state,
            sounds: globalThis.quazzleSeen.sounds.length,
            active: navigator.userActivation.hasBeenActive};
        })()`);
        assert.deepEqual(locked, {made: 0, probe: 'suspended', sounds: 0, active: false});
        // A click on the instructions, which the game does nothing with.
        const box = await game.page.locator('#instructions').boundingBox();
        const clicked = await game.now();
        await game.page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
        await game.page.waitForFunction(() => {
          const s = globalThis.quazzleSeen;
          return s.contexts.length === 1 && s.contexts[0].state === 'running' &&
            s.sounds.some(([, , , state]) => state === 'running');
        }, null, {timeout: 10000});
        const seen = await game.seen();
        assert.ok(seen.sounds.every(([t]) => t > clicked), 'no sound before the click');
        assert.ok(seen.sounds.some(([, to]) => to === 'effect'), 'the pieces\' sound played');
        await game.close();
      });
});

describe('"Start Game" during the demo', () => {
  // The demo's animations run inside waits; a press of "Start Game" lands in one, and nothing of
  // what the demo still had to do there (the rest of a line's flash and its points, the sweep
  // and restart after its game ends) may reach the player's game.
  async function startAndWatch(game, shot) {
    const button = await game.page.locator('#start').boundingBox();
    await game.page.mouse.click(button.x + button.width / 2, button.y + button.height / 2);
    await game.page.locator('#start').waitFor({state: 'hidden'});
    const [pressedAt] = (await game.seen()).input.find(([, type]) => type === 'pointerdown');
    const newGameAt = (await game.news(/^New game, level 1$/, {after: pressedAt}))[0];
    // Long enough for whatever the demo was in the middle of to have gone on (its game's end
    // takes 2.5 s from the hourglass running out to the next demo game), and short of the new
    // game's first cherry.
    await game.page.waitForTimeout(3000);
    await game.keepShot(`started-${shot}`);
    assert.deepEqual((await game.cells()).filter((c) => c.word !== 'empty'), []);
    assert.deepEqual((await game.paintedCells()).filter((w) => w !== 'empty'), []);
    const seen = await game.seen();
    // From the new game's first frame on, no cell was named anything but empty, and the
    // score stayed 0.
    assert.deepEqual(seen.cells.filter(([t, name]) => t > newGameAt && !/: empty$/.test(name)),
        []);
    assert.deepEqual(seen.scores.filter(([t, name]) => t > newGameAt && !/^Score 0,/.test(name)),
        []);
    const panels = await game.panels();
    assert.equal(panels.level, 'Level 1');
    assert.equal(panels.experience, '0 of 5');
    assert.ok(panels.timeLeft < 100, 'the new game\'s hourglass runs');
    return {pressedAt, score: await game.score()};
  }

  test('pressed during the flash of a line the demo cleared', {timeout: 120000}, async () => {
    const game = await GamePage.open(served.browser, url('seed=5'));
    // A line clearing: a cell flashes while the score rises, a point a cell (a game's end
    // sweeps the board with the same flash, and pays nothing).
    const flash = await game.page.waitForFunction(() => {
      const s = globalThis.quazzleSeen;
      for (const [t, name] of s.cells) {
        if (!/: clearing$/.test(name)) continue;
        const before = s.scores.filter(([u]) => u < t).pop();
        const rise = s.scores.find(([u, text]) => u >= t && u < t + 100 && text !== before?.[1]);
        if (before && rise && Number(/\d+/.exec(rise[1])) > Number(/\d+/.exec(before[1]))) {
          return [t, /\bbest (\d+)/.exec(rise[1])[1]];
        }
      }
      return null;
    }, null, {timeout: 100000, polling: 'raf'}).then((h) => h.jsonValue());
    const {pressedAt, score} = await startAndWatch(game, 'in-a-flash');
    // A line flashes for 0.2 s from its first cell, which the page showed at once.
    assert.ok(pressedAt - flash[0] < 150, `pressed ${pressedAt - flash[0]} ms into the flash`);
    assert.equal(score.score, 0);
    assert.ok(score.best >= Number(flash[1]), 'the demo\'s best is kept');
    await game.close();
  });

  test('pressed while the demo\'s game ends', {timeout: 120000}, async () => {
    const game = await GamePage.open(served.browser, url('seed=5'));
    // The demo's hourglass runs out when it has nowhere to put its piece for long enough.
    const outAt = await game.page.waitForFunction(() =>
      document.getElementById('hourglass').getAttribute('aria-valuenow') === '0' &&
        performance.now(), null, {timeout: 100000, polling: 'raf'}).then((h) => h.jsonValue());
    await game.page.waitForTimeout(300);
    const {pressedAt, score} = await startAndWatch(game, 'as-the-demo-ends');
    // The game's end waits 1.3 s between its two sounds before it sweeps the board.
    assert.ok(pressedAt - outAt < 1200, `pressed ${pressedAt - outAt} ms into the game's end`);
    assert.equal(score.score, 0);
    await game.close();
  });
});
