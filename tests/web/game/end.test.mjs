// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The end of a game: the hourglass runs out 10.75 s after the last placement, the game says
// so and sweeps the board, and "Play again?" asks; Yes plays again, No ends the program, which
// the page then offers to start again.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {settle} from '../support/browser.mjs';
import {GamePage} from '../support/game.mjs';
import {servedSite} from '../support/sites.mjs';

const kPort = 8233;
const url = (seed) => `http://127.0.0.1:${kPort}/?seed=${seed}`;
// 688 steps of the hourglass, 64 a second, fill it; the steps keep their own beat, so the
// first may come less than a step after the placement.
const kRunsOutMs = 10750;
const kStepMs = 1000 / 64;
// A sound starts in the animation frame after the game sent it: up to a frame late.
const kFrameMs = 1000 / 60;
// What is said waits up to 1.2 s for what was said before it; the page shows a frame in the
// next animation frame. Generous, for a busy machine.
const kLateMs = 1500;

const served = servedSite(kPort);

// The prompt as it stands, once it is up.
async function prompt(game) {
  await game.page.locator('#prompt').waitFor({timeout: 20000});
  return game.page.evaluate(() => {
    const d = document.getElementById('prompt');
    const named = (attribute) => document.getElementById(d.getAttribute(attribute)).textContent;
    return {open: d.open, title: named('aria-labelledby'),
      text: document.getElementById('prompt-text').textContent,
      description: named('aria-describedby'), focus: document.activeElement.id};
  });
}

const allEmpty = (cells) => cells.every((c) => c.word === 'empty');

describe('the hourglass', () => {
  test('ends the game 10.75 s after the last placement; Yes at the prompt plays again',
      {timeout: 90000}, async (t) => {
        const game = await GamePage.open(served.browser, url(21));
        await game.startGame();
        await game.page.waitForTimeout(500);
        // Every piece fits there on an empty board.
        await game.place(44);
        const [placedAt] = (await game.seen()).input.filter(([, type]) => type === 'pointerup')
            .pop();
        const {score, best} = await game.score();
        // Off the board, where the pointer names no cell.
        await game.pointerOff();

        const [overSaidAt, over] = await game.news(/^Game over\. Score \d+, best \d+$/,
            {after: placedAt, timeout: kRunsOutMs + 5000});
        assert.equal(over, `Game over. Score ${score}, best ${best}`);
        const asked = await prompt(game);
        const seen = await game.seen();
        // The end sounds first: the first effect after the placement's own, and its second
        // sound 1.3 s later, before the sweep.
        const effects = seen.sounds.filter(([t, to]) => t >= placedAt && to === 'effect')
            .map(([t]) => t);
        assert.ok(effects.length >= 3, `effects at ${effects}`);
        const took = effects[1] - placedAt;
        t.diagnostic(`the game ended ${took.toFixed(1)} ms after the placement, said so ` +
          `${(overSaidAt - effects[1]).toFixed(1)} ms later`);
        assert.ok(took > kRunsOutMs - kStepMs - 1 && took < kRunsOutMs + kLateMs,
            `the game ended ${took} ms after the placement`);
        assert.ok(effects[2] - effects[1] > 1300 - kFrameMs - 1 &&
            effects[2] - effects[1] < 1300 + kLateMs,
            `${effects[2] - effects[1]} ms between the end's sounds`);
        assert.ok(overSaidAt >= effects[1] - 1 && overSaidAt < effects[1] + kLateMs,
            `said ${overSaidAt - effects[1]} ms after the sound`);
        // The warnings on the way, each once its share of the time has gone.
        let last = placedAt;
        for (const left of [50, 25, 10]) {
          const [t] = await game.news(new RegExp(`^Time low, ${left} percent left$`),
              {after: placedAt, timeout: 1000});
          assert.ok(t - placedAt > kRunsOutMs * (100 - left) / 100 - kStepMs - 1 && t > last &&
              t < overSaidAt, `${left} percent left at ${t - placedAt} ms`);
          last = t;
        }
        // The board was swept after the second sound, and is empty.
        const swept = seen.cells.filter(([t, name]) => t > placedAt && /: clearing$/.test(name));
        assert.ok(swept.length > 0 && swept[0][0] >= effects[2] - 1, 'swept after the second sound');
        assert.ok(allEmpty(await game.cells()), 'the board is empty at the prompt');
        assert.deepEqual(asked, {open: true, title: 'Game Over', text: 'Play again?',
          description: `Final score ${score}, best ${best}`, focus: 'prompt-yes'});
        await game.keepShot('prompt');

        const yesAt = await game.now();
        await game.page.locator('#prompt-yes').click();
        await game.news(/^New game, level 1$/, {after: yesAt});
        await settle(game.page);
        assert.equal(await game.page.locator('#prompt').evaluate((d) => d.open), false);
        assert.ok(allEmpty(await game.cells()), 'the new game\'s board is empty');
        const panels = await game.panels();
        assert.equal(panels.score, `Score 0, best ${best}`);
        assert.equal(panels.start, false);
        await game.page.waitForTimeout(500);
        assert.ok((await game.panels()).timeLeft < 100, 'the new game\'s hourglass runs');
        await game.close();
      });
});

describe('No at the prompt', () => {
  test('ends the program; the page says so, and its one button starts the game again',
      {timeout: 90000}, async () => {
        const game = await GamePage.open(served.browser, url(22));
        const startedAt = await game.startGame();
        // Without a placement the hourglass runs from the new game's start.
        await game.news(/^Game over\. /, {after: startedAt, timeout: kRunsOutMs + 5000});
        assert.equal((await prompt(game)).open, true);
        await game.page.locator('#prompt-no').click();
        const restart = game.page.locator('#notice-button');
        await restart.waitFor();
        assert.equal(await game.page.locator('#notice-text').textContent(), 'The game has ended.');
        assert.equal(await restart.textContent(), 'Start again');
        assert.equal(await game.page.evaluate(() => document.activeElement.id), 'notice-button');
        assert.equal(await game.page.locator('#client').isHidden(), true);
        assert.equal(await game.page.locator('#prompt').evaluate((d) => d.open), false);
        await game.keepShot('ended');
        await Promise.all([game.page.waitForNavigation(), restart.click()]);
        // The page anew, and the demo playing in it.
        const again = new GamePage(game.session);
        await again.page.locator('#start').waitFor();
        const names = await again.names();
        await again.page.waitForFunction((before) => [...document.querySelectorAll(
            '#board [role="gridcell"]')].some((c, i) => c.textContent !== before[i]), names);
        await again.news(/^Demo playing\. Press Start Game to play\.$/);
        await game.close();
      });
});
