// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The page in Chromium, driven by the stand-in game module (fake/quazzle.js) on a copy of the
// site QUAZZLE_SITE names, which scripts/build-web made.

import assert from 'node:assert/strict';
import {after, before, describe, test} from 'node:test';

import {serve} from '../../../scripts/serve-site.mjs';
import {launch, open as openPage, settle} from '../support/browser.mjs';
import {recorder} from '../support/game.mjs';
import {fakeSite} from '../support/sites.mjs';

const kPort = 8220;
const kOpenPort = 8221;
const kMissingPort = 8222;
const isolated = `http://127.0.0.1:${kPort}/`;

let browser;
let site;
const servers = [];

before(async () => {
  site = await fakeSite();
  servers.push(await serve(kPort, site.dir));
  servers.push(await serve(kOpenPort, site.dir, {isolated: false}));
  browser = await launch();
});

after(async () => {
  await browser?.close();
  for (const server of servers) server.close();
  await site?.remove();
});

// A page of its own; its console is kept, and must stay clean unless a test says otherwise.
const open = (url, options) => openPage(browser, url, options);

const calls = (page) => page.evaluate(() => globalThis.fakeGame.calls.slice());
const callsOf = async (page, name) => (await calls(page)).filter((c) => c[0] === name);
const send = (page, message) => page.evaluate((m) => globalThis.fakeGame.send(m), message);
const started = async (page) => {
  await page.waitForFunction(() => globalThis.fakeGame && globalThis.fakeGame.calls.some(
      (c) => c[0] === 'ratio'));
  await settle(page);
};

describe('where the game cannot run', () => {
  test('without cross-origin isolation the page names the two headers and starts nothing',
      async () => {
        const {page, problems, close} = await open(`http://127.0.0.1:${kOpenPort}/`);
        const notice = page.locator('#notice');
        await notice.waitFor();
        const text = await notice.textContent();
        assert.match(text, /Cross-Origin-Opener-Policy: same-origin/);
        assert.match(text, /Cross-Origin-Embedder-Policy: require-corp/);
        assert.equal(await page.evaluate(() => globalThis.fakeGame === undefined), true);
        assert.equal(await page.locator('#client').isHidden(), true);
        assert.equal(problems.length, 1);
        await close({expected: [/Quazzle: The game cannot start here/]});
      });

  const missing = [
    ['the font', '/fonts/dejavu-sans-bold.woff2', /font fonts\/dejavu-sans-bold\.woff2/],
    ['a picture', '/pictures/cherry-1x.png', /picture pictures\/cherry-1x\.png/],
    ['the module', '/quazzle.js', /module quazzle\.js/],
  ];
  for (const [what, path, words] of missing) {
    test(`without ${what} the page says what failed, once`, async () => {
      const server = await serve(kMissingPort, site.dir, {hidden: [path]});
      try {
        const {page, problems, close} = await open(`http://127.0.0.1:${kMissingPort}/`);
        await page.locator('#notice').waitFor();
        assert.match(await page.locator('#notice-text').textContent(), words);
        assert.equal(await page.evaluate(() => globalThis.fakeGame === undefined), true);
        // The browser reports the missing file itself; the page adds one error of its own.
        assert.equal(problems.filter((p) => p.includes('Quazzle:')).length, 1);
        await close({expected: [/Quazzle: /, /404/]});
      } finally {
        server.close();
      }
    });
  }

  test('a WebAssembly that cannot be had is named', async () => {
    const {page, problems, close} = await open(`${isolated}?fail=wasm`);
    await page.locator('#notice').waitFor();
    assert.match(await page.locator('#notice-text').textContent(), /WebAssembly \(quazzle\.wasm\)/);
    assert.equal(problems.length, 1);
    await close({expected: [/Quazzle: The game's WebAssembly/]});
  });
});

describe('drawing', () => {
  test('nothing is drawn, nor an animation frame asked for, while nothing arrives', async () => {
    const {page, close} = await open(`${isolated}?still=1`);
    await started(page);
    const frames = await page.evaluate(() => new Promise((done) => {
      let asked = 0;
      const real = window.requestAnimationFrame;
      window.requestAnimationFrame = (f) => {
        asked += 1;
        return real(f);
      };
      setTimeout(() => done(asked), 700);
    }));
    assert.equal(frames, 0);
    // A frame that arrives is painted in the next animation frame.
    const before = await page.evaluate(() => document.getElementById('screen').getContext('2d')
        .getImageData(24 + 10, 8 + 10, 1, 1).data.join());
    await send(page, {frame: {cells: [[0, 0x00ff00, 0]]}});
    await settle(page);
    const now = await page.evaluate(() => document.getElementById('screen').getContext('2d')
        .getImageData(24 + 10, 8 + 10, 1, 1).data.join());
    assert.notEqual(now, before);
    assert.equal(now, '0,255,0,255');
    await close();
  });

  test('the game is started with the page font loaded, and measures the score in it',
      async () => {
        const {page, close} = await open(`${isolated}?still=1`);
        await started(page);
        const [text, width] = await page.evaluate(() => globalThis.fakeGame.widths[0]);
        const measured = await page.evaluate((t) => {
          const ctx = document.createElement('canvas').getContext('2d');
          const widthIn = (font) => {
            ctx.font = font;
            return ctx.measureText(t).width * 15;
          };
          return {ours: widthIn('bold 32px "Quazzle Sans"'), other: widthIn('bold 32px monospace')};
        }, text);
        assert.notEqual(measured.ours, measured.other);
        assert.equal(width, measured.ours);
        await close();
      });

  for (const dpr of [1, 1.5, 2, 3]) {
    test(`at a device pixel ratio of ${dpr} the canvas has a device pixel a pixel`, async () => {
      const {page, close} = await open(`${isolated}?still=1`, {dpr});
      await started(page);
      const size = await page.evaluate(() => {
        const c = document.getElementById('screen');
        return [c.width, c.height, c.getBoundingClientRect().width];
      });
      assert.deepEqual(size.slice(0, 2), [Math.round(541 * dpr), Math.round(391 * dpr)]);
      assert.ok(Math.abs(size[2] * dpr - size[0]) < 0.01);
      assert.deepEqual(await callsOf(page, 'ratio'), [['ratio', dpr]]);
      const loaded = await page.evaluate(() => performance.getEntriesByType('resource')
          .map((e) => e.name.replace(/^.*\//, '')).filter((n) => n.startsWith('cherry')));
      assert.deepEqual(loaded, [`cherry-${dpr}x.png`]);
      await close();
    });
  }

  test('a smaller window scales the client area down, aspect kept, and says the ratio',
      async () => {
        const {page, close} = await open(`${isolated}?still=1`, {dpr: 2, width: 400, height: 600});
        await started(page);
        const ratio = 2 * 400 / 541;
        const [[, sent]] = await callsOf(page, 'ratio');
        assert.ok(Math.abs(sent - ratio) < 1e-9);
        const size = await page.evaluate(() => [document.getElementById('screen').width,
          document.getElementById('screen').height]);
        assert.deepEqual(size, [Math.round(541 * ratio), Math.round(391 * ratio)]);
        // The pictures drawn for the nearest ratio at or above.
        const loaded = await page.evaluate(() => performance.getEntriesByType('resource')
            .map((e) => e.name.replace(/^.*\//, '')).filter((n) => n.startsWith('bomb-solid')));
        assert.deepEqual(loaded, ['bomb-solid-1.5x.png']);
        await close();
      });

  test('a new ratio repaints everything with the pictures for it', async () => {
    const {page, context, close} = await open(`${isolated}?still=1`);
    await started(page);
    // Headless Chromium changes the ratio without telling the page's media query, so the
    // window's size changes with it.
    const session = await context.newCDPSession(page);
    await session.send('Emulation.setDeviceMetricsOverride',
        {width: 600, height: 391, deviceScaleFactor: 2, mobile: false});
    await page.waitForFunction(() => globalThis.fakeGame.calls.filter((c) => c[0] === 'ratio')
        .length === 2);
    await page.waitForFunction(() => performance.getEntriesByType('resource')
        .some((e) => e.name.endsWith('instructions-2x.png')));
    await settle(page);
    assert.deepEqual(await callsOf(page, 'ratio'), [['ratio', 1], ['ratio', 2]]);
    const width = await page.evaluate(() => document.getElementById('screen').width);
    assert.equal(width, 1082);
    await close();
  });
});

describe('input', () => {
  test('pointer moves, presses and releases reach the game in window pixels', async () => {
    for (const [width, height, scale] of [[541, 391, 1], [300, 600, 300 / 541]]) {
      const {page, close} = await open(`${isolated}?still=1`, {width, height});
      await started(page);
      const box = await page.locator('#client').boundingBox();
      const at = (x, y) => [box.x + x * scale, box.y + y * scale];
      await page.mouse.move(...at(100, 50));
      await page.mouse.down();
      await page.mouse.move(...at(101, 52));
      await page.mouse.up();
      await page.mouse.move(box.x + box.width + 20, box.y + box.height + 20);
      const heard = (await callsOf(page, 'pointer')).map(([, kind, x, y]) =>
        [kind, Math.round(x), Math.round(y)]);
      assert.deepEqual(heard,
          [[0, 100, 50], [1, 100, 50], [0, 101, 52], [2, 101, 52], [3, 0, 0]], `at ${scale}`);
      await close();
    }
  });

  test('a tap on a touch screen is heard as a pointer arriving, pressed and released',
      async () => {
        const {page, close} = await open(`${isolated}?still=1`, {touch: true});
        await started(page);
        const box = await page.locator('#client').boundingBox();
        await page.touchscreen.tap(box.x + 200, box.y + 120);
        await page.waitForFunction(() => globalThis.fakeGame.calls.filter(
            (c) => c[0] === 'pointer').length >= 3);
        const heard = (await callsOf(page, 'pointer')).map(([, kind, x, y]) =>
          [kind, Math.round(x), Math.round(y)]);
        assert.deepEqual(heard.slice(0, 3), [[0, 200, 120], [1, 200, 120], [2, 200, 120]]);
        await close();
      });

  test('Space sets off a bomb on its release, once however long it is held', async () => {
    const {page, close} = await open(`${isolated}?still=1`);
    await started(page);
    await page.keyboard.down('Space');
    await page.keyboard.down('Space');  // repeats
    await page.keyboard.down('Space');
    assert.deepEqual(await callsOf(page, 'key_released'), []);
    await page.keyboard.up('Space');
    await page.keyboard.press('KeyA');
    await page.keyboard.press('Enter');
    assert.deepEqual(await callsOf(page, 'key_released'), [['key_released', 32]]);
    // A release whose press the page never saw counts for nothing.
    await page.evaluate(() => document.dispatchEvent(
        new KeyboardEvent('keyup', {code: 'Space', key: ' ', bubbles: true})));
    assert.equal((await callsOf(page, 'key_released')).length, 1);
    await close();
  });

  test('"Start Game" stands where the desktop has it, starts on a click and never on Space',
      async () => {
        const {page, close} = await open(`${isolated}?still=1`);
        await started(page);
        const button = page.locator('#start');
        assert.deepEqual(await button.boundingBox(), {x: 144, y: 160, width: 81, height: 21});
        assert.equal(await button.textContent(), 'Start Game');
        await button.click();
        assert.deepEqual(await callsOf(page, 'start'), [['start']]);
        assert.equal(await page.evaluate(() => document.activeElement.id), '');
        // The game hides it; put back, with the keyboard's focus on it, Space still only bombs.
        await settle(page);
        assert.equal(await button.isHidden(), true);
        await send(page, {frame: {start: true}});
        await settle(page);
        await button.focus();
        await page.keyboard.press('Space');
        assert.deepEqual(await callsOf(page, 'start'), [['start']]);
        assert.deepEqual(await callsOf(page, 'key_released'), [['key_released', 32]]);
        // No press goes to the board from the button.
        assert.equal((await callsOf(page, 'pointer')).some(([, kind]) => kind === 1), false);
        await close();
      });
});

describe('the prompt', () => {
  // Starts a game and places three blocks; the third ends it with the prompt.
  async function toPrompt(page, beforeLast = async () => {}) {
    await page.locator('#start').click();
    await settle(page);
    const box = await page.locator('#client').boundingBox();
    for (const [k, [x, y]] of [[40, 24], [120, 24], [200, 24]].entries()) {
      if (k === 2) await beforeLast();
      await page.mouse.click(box.x + x, box.y + y);
    }
    await page.locator('#prompt').waitFor();
    await settle(page);
  }
  const answers = (page) => callsOf(page, 'answer');

  test('it is labelled, Yes has the focus, and Escape or a click outside does not end it',
      async () => {
        const {page, close} = await open(`${isolated}?still=1`);
        await started(page);
        await toPrompt(page);
        const dialog = page.locator('#prompt');
        assert.equal(await dialog.evaluate((d) => d.open), true);
        assert.equal(await page.locator('#prompt-title').textContent(), 'Game Over');
        assert.equal(await page.locator('#prompt-text').textContent(), 'Play again?');
        const described = await dialog.evaluate((d) => [
          document.getElementById(d.getAttribute('aria-labelledby')).textContent,
          document.getElementById(d.getAttribute('aria-describedby')).textContent]);
        assert.deepEqual(described[0], 'Game Over');
        assert.match(described[1], /^Final score \d+, best \d+$/);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'prompt-yes');
        await page.keyboard.press('Escape');
        await page.keyboard.press('Escape');
        await page.mouse.click(5, 5);
        await settle(page);
        assert.equal(await dialog.evaluate((d) => d.open), true);
        assert.deepEqual(await answers(page), []);
        // Space while it is up is its own, not a bomb's.
        assert.deepEqual(await callsOf(page, 'key_released'), []);
        await close();
      });

  test('a key held as it appears answers nothing; a key pressed while it is up answers on its '+
      'release', async () => {
    const {page, close} = await open(`${isolated}?still=1`);
    await started(page);
    await toPrompt(page, () => page.keyboard.down('Enter'));
    await page.keyboard.up('Enter');
    assert.deepEqual(await answers(page), []);
    await page.keyboard.down('Enter');
    assert.deepEqual(await answers(page), []);
    await page.keyboard.up('Enter');
    assert.deepEqual(await answers(page), [['answer', 1]]);
    await settle(page);
    assert.equal(await page.locator('#prompt').evaluate((d) => d.open), false);
    assert.equal(await page.locator('#client').isVisible(), true);
    await close();
  });

  test('arrows move the focus on release; No ends the program, and one button starts it again',
      async () => {
        const {page, close} = await open(`${isolated}?still=1`);
        await started(page);
        await toPrompt(page);
        await page.keyboard.down('ArrowRight');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'prompt-yes');
        await page.keyboard.up('ArrowRight');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'prompt-no');
        await page.keyboard.press('Space');
        assert.deepEqual(await answers(page), [['answer', 0]]);
        const restart = page.locator('#notice-button');
        await restart.waitFor();
        assert.equal(await page.locator('#notice-text').textContent(), 'The game has ended.');
        assert.equal(await restart.textContent(), 'Start Quazzle again');
        assert.equal(await page.locator('#client').isHidden(), true);
        await Promise.all([page.waitForNavigation(), restart.click()]);
        await started(page);
        assert.deepEqual(await answers(page), []);
        assert.equal(await page.locator('#client').isVisible(), true);
        await close();
      });

  test('a click answers as ever', async () => {
    const {page, close} = await open(`${isolated}?still=1`);
    await started(page);
    await toPrompt(page);
    await page.locator('#prompt-no').click();
    assert.deepEqual(await answers(page), [['answer', 0]]);
    await close();
  });
});

describe('sound', () => {
  test('the demo is silent until the first gesture, and plays after it', async () => {
    const {page, close} = await open(`${isolated}?seed=2`, {init: recorder});
    const contexts = () => page.evaluate(() => globalThis.quazzleSeen.contexts.length);
    // The demo places a block with its sound within a second.
    await page.waitForFunction(() => globalThis.fakeGame.state.placed >= 1, null, {timeout: 5000});
    await settle(page);
    // The recordings are made ahead, each once, but nothing is played.
    await page.waitForFunction(() => globalThis.fakeGame.calls.filter(
        (c) => c[0] === 'sound_make').length >= 8, null, {timeout: 5000});
    const made = (await callsOf(page, 'sound_make')).map((c) => c[1]);
    assert.deepEqual([...made].sort(), [0, 1, 2, 3, 4, 5, 6, 7]);
    assert.equal(await contexts(), 0);
    assert.equal(await page.evaluate(() => globalThis.quazzleSeen.sounds.length), 0);
    await page.mouse.click(500, 380);
    assert.equal(await contexts(), 1);
    const placed = await page.evaluate(() => globalThis.fakeGame.state.placed);
    await page.waitForFunction((n) => globalThis.fakeGame.state.placed > n, placed,
        {timeout: 5000});
    await settle(page);
    assert.ok(await page.evaluate(() => globalThis.quazzleSeen.sounds.length) >= 1);
    assert.equal((await callsOf(page, 'sound_make')).length, 8, 'a recording made again');
    await close();
  });
});

describe('what assistive technology is told', () => {
  test('the board is a grid of named cells over the painted ones, the canvas hidden',
      async () => {
        const {page, close} = await open(`${isolated}?still=1`);
        await started(page);
        const grid = await page.evaluate(() => {
          const board = document.getElementById('board');
          const cells = [...board.querySelectorAll('[role="gridcell"]')];
          const rows = board.querySelectorAll('[role="row"]');
          const at = (i) => {
            const r = cells[i].getBoundingClientRect();
            return [r.x, r.y, r.width, r.height];
          };
          return {role: board.getAttribute('role'), name: board.getAttribute('aria-label'),
            rows: rows.length, cells: cells.length, first: cells[0].textContent,
            last: cells[99].textContent, at0: at(0), at99: at(99),
            canvas: document.getElementById('screen').getAttribute('aria-hidden')};
        });
        assert.deepEqual(grid, {role: 'grid', name: 'Board', rows: 10, cells: 100,
          first: 'row 1, column 1: empty', last: 'row 10, column 10: empty',
          at0: [24, 8, 33, 33], at99: [24 + 9 * 32, 8 + 9 * 32, 33, 33], canvas: 'true'});
        await send(page, {frame: {names: [[11, 'row 2, column 2: fits']]}});
        await settle(page);
        assert.equal(await page.locator('#board [role="gridcell"]').nth(11).textContent(),
            'row 2, column 2: fits');
        await close();
      });

  test('the panels are named as on the desktop, and the news is said', async () => {
    const {page, close} = await open(`${isolated}?still=1`);
    await started(page);
    await send(page, {frame: {a11y: {timeLeft: 70, experience: [2, 5, '2 of 5'],
      preview: 'Piece: square, red', level: 'Level 2', bombs: 'Bombs 1 of 3',
      score: 'Score 12, best 340'}, say: 'Line cleared, 10 points, score 25'}});
    await settle(page);
    const parts = await page.evaluate(() => {
      const el = (id) => document.getElementById(id);
      const attrs = (id, ...names) => names.map((n) => el(id).getAttribute(n));
      return {
        hourglass: attrs('hourglass', 'role', 'aria-label', 'aria-valuenow', 'aria-valuemax'),
        described: document.getElementById(el('hourglass').getAttribute('aria-describedby'))
            .textContent,
        experience: attrs('experience', 'role', 'aria-label', 'aria-valuenow', 'aria-valuemax',
            'aria-valuetext'),
        texts: ['preview', 'level', 'bombs', 'score'].map((id) => el(id).textContent),
        instructions: el('instructions').textContent,
        news: [el('news').getAttribute('aria-live'), el('news').textContent],
      };
    });
    assert.deepEqual(parts.hourglass, ['progressbar', 'Time left', '70', '100']);
    assert.match(parts.described, /runs out/);
    assert.deepEqual(parts.experience, ['progressbar', 'Experience', '2', '5', '2 of 5']);
    assert.deepEqual(parts.texts, ['Piece: square, red', 'Level 2', 'Bombs 1 of 3',
      'Score 12, best 340']);
    assert.match(parts.instructions, /^How to play: /);
    assert.deepEqual(parts.news, ['polite', 'Line cleared, 10 points, score 25']);
    // The same news again is news again.
    await send(page, {frame: {say: 'Line cleared, 10 points, score 25'}});
    await settle(page);
    const again = await page.locator('#news').textContent();
    assert.notEqual(again, parts.news[1]);
    assert.equal(again.trim().replace(/\u200b/g, ''), parts.news[1]);
    await close();
  });
});
