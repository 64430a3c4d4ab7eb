// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The page against the desktop window's own picture of the same moment: the demo's first step
// for one seed, grabbed afresh by tests/window/grab_window (QUAZZLE_GRAB) at the ratio under
// test, beside the page at ?seed=N&still=1 at that device pixel ratio.

import assert from 'node:assert/strict';
import {execFile} from 'node:child_process';
import {mkdir, mkdtemp, readFile, rm, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, describe, test} from 'node:test';
import {promisify} from 'node:util';

import {serve} from '../../../scripts/serve-site.mjs';
import {launch, settle} from '../support/browser.mjs';
import {GamePage} from '../support/game.mjs';
import {decodePng, encodePng, pixelAt} from '../support/png.mjs';
import {copyOfSite} from '../support/sites.mjs';

const run = promisify(execFile);
const kPort = 8230;
const kSeed = 7;
const grabTool = process.env.QUAZZLE_GRAB;
const drawTool = process.env.QUAZZLE_DRAW;

// Everywhere but inside the text boxes, the page must paint the very pixels the window paints:
// cells, grid lines, the hourglass, the bars, the bombs, the pictures, the frames and edges.
// Inside a text box the glyphs come from two rasterisers, Qt's and Chromium's, which shade
// edge pixels a little differently (at a ratio of 1 about 7 pixels of the score differ by more
// than a quarter, 5 of the start button's, at its corners; at 1.5 a sixth of the button's
// label). A box passes when its text stands where the window's does and looks like it: the
// pixels that differ by more than kFar stay under kFarShare of the dark pixels of the window's
// text, and are fewer by kPlaceMargin than with the page's box moved a device pixel any way.
const kFar = 64;
const kFarShare = 0.25;
const kPlaceMargin = 0.75;
// Window pixels: [left, top, width, height].
const kTextBoxes = {
  'the score': [264, 344, 98, 38],
  'the start button': [144, 160, 81, 21],
  'the level, top left': [366, 10, 60, 10],
  'the level, top right': [466, 10, 62, 10],
  'the level, bottom left': [366, 168, 60, 10],
  'the level, bottom right': [466, 168, 62, 10],
};

let browser;
let site;
let server;
let scratch;
let keepScratch = false;  // a failure's pictures stay for a look

before(async () => {
  if (!grabTool || !drawTool) {
    throw new Error('QUAZZLE_GRAB and QUAZZLE_DRAW must name grab_window and draw_pictures');
  }
  scratch = await mkdtemp(join(tmpdir(), 'quazzle-layout-'));
  // The pictures as the grab's own build draws them: Qt rasterises the words inside the
  // instructions picture a little differently from one version to the next (the site's come
  // from Debian 13's), and every other picture is the same either way.
  site = await copyOfSite(async (dir) => {
    await run(drawTool, ['--web', join(dir, 'pictures')], {env: qtEnvironment(1)});
  });
  server = await serve(kPort, site.dir);
  browser = await launch();
});

after(async () => {
  await browser?.close();
  server?.close();
  await site?.remove();
  if (scratch && !keepScratch) await rm(scratch, {recursive: true, force: true});
});

function qtEnvironment(ratio) {
  return {...process.env, QT_QPA_PLATFORM: 'offscreen', QT_SCALE_FACTOR: String(ratio),
    XDG_RUNTIME_DIR: scratch, ALSOFT_DRIVERS: 'null'};
}

async function grab(ratio) {
  const file = join(scratch, `window-${ratio}x.png`);
  await run(grabTool, [String(kSeed), file], {env: qtEnvironment(ratio)});
  return decodePng(await readFile(file));
}

async function pageAt(ratio) {
  const game = await GamePage.open(browser, `http://127.0.0.1:${kPort}/?seed=${kSeed}&still=1`,
      {dpr: ratio});
  await game.page.locator('#start').waitFor();
  await game.page.evaluate(() => document.fonts.ready);
  await settle(game.page);
  return game;
}

// Device pixels of a box of window pixels: every device pixel it touches.
function deviceBox([left, top, width, height], ratio) {
  return [Math.floor(left * ratio), Math.floor(top * ratio), Math.ceil((left + width) * ratio),
    Math.ceil((top + height) * ratio)];
}

const difference = (a, b) => Math.max(...a.map((v, k) => Math.abs(v - b[k])));

// Pixels of the page's box, moved `dx`, `dy` device pixels, that differ by more than kFar from
// the window's.
function farOff(page, window, [left, top, right, bottom], dx, dy) {
  let far = 0;
  for (let y = top; y < bottom; ++y) {
    for (let x = left; x < right; ++x) {
      const px = Math.min(Math.max(x + dx, 0), page.width - 1);
      const py = Math.min(Math.max(y + dy, 0), page.height - 1);
      if (difference(pixelAt(page, px, py), pixelAt(window, x, y)) > kFar) far += 1;
    }
  }
  return far;
}

function compare(page, window, ratio) {
  const boxes = Object.entries(kTextBoxes).map(([name, box]) => ({
    name, at: deviceBox(box, ratio), ink: 0,
  }));
  const exact = {differ: 0, first: null};
  const diff = Buffer.alloc(page.data.length);
  for (let y = 0; y < page.height; ++y) {
    for (let x = 0; x < page.width; ++x) {
      const a = pixelAt(page, x, y);
      const b = pixelAt(window, x, y);
      const d = difference(a, b);
      diff.set(d ? [255, 255 - d, 255 - d, 255] : [b[0] >> 2, b[1] >> 2, b[2] >> 2, 255],
          4 * (y * page.width + x));
      const box = boxes.find(({at: [l, t, r, bottom]}) => x >= l && x < r && y >= t && y < bottom);
      if (box) {
        if (Math.max(...b) < 128) box.ink += 1;
      } else if (d > 0) {
        exact.differ += 1;
        exact.first ??= [x, y, a, b];
      }
    }
  }
  for (const box of boxes) {
    box.far = farOff(page, window, box.at, 0, 0);
    box.moved = Infinity;
    for (const dx of [-1, 0, 1]) {
      for (const dy of [-1, 0, 1]) {
        if (dx || dy) box.moved = Math.min(box.moved, farOff(page, window, box.at, dx, dy));
      }
    }
  }
  return {exact, boxes, diff: {width: page.width, height: page.height, data: diff}};
}

describe('the page shows what the desktop window shows', () => {
  for (const ratio of [1, 1.5, 2]) {
    test(`at a device pixel ratio of ${ratio}`, async () => {
      const window = await grab(ratio);
      const game = await pageAt(ratio);
      const page = decodePng(await game.page.screenshot());
      await game.close();
      assert.deepEqual([page.width, page.height], [window.width, window.height]);
      const result = compare(page, window, ratio);
      const out = join(scratch, 'differences');
      const keep = async () => {
        await mkdir(out, {recursive: true});
        await writeFile(join(out, `page-${ratio}x.png`), encodePng(page));
        await writeFile(join(out, `window-${ratio}x.png`), encodePng(window));
        await writeFile(join(out, `diff-${ratio}x.png`), encodePng(result.diff));
        keepScratch = true;
        return ` (pictures in ${out})`;
      };
      if (result.exact.differ > 0) {
        const [x, y, a, b] = result.exact.first;
        assert.fail(`${result.exact.differ} device pixels outside the text boxes differ, the ` +
          `first at ${x}, ${y}: page ${a}, window ${b}${await keep()}`);
      }
      for (const box of result.boxes) {
        assert.ok(box.ink > 0, `no text in ${box.name}`);
        if (box.far > box.ink * kFarShare || box.far >= box.moved * kPlaceMargin) {
          assert.fail(`${box.name}: ${box.far} device pixels differ by more than ${kFar} ` +
            `(${box.moved} with the page's moved a device pixel), against ${box.ink} of the ` +
            `window's text${await keep()}`);
        }
      }
    });
  }
});

describe('the cells\' names say what is painted', () => {
  test('on the page and in the window, every cell\'s name names its colour', async () => {
    const window = await grab(1);
    const game = await pageAt(1);
    const cells = await game.cells();
    const painted = await game.paintedCells();
    const inWindow = await game.paintedCells(window);
    await game.close();
    assert.deepEqual(painted, cells.map((c) => c.word));
    assert.deepEqual(inWindow, cells.map((c) => c.word));
    // The demo's first step put a piece down.
    assert.ok(cells.some((c) => c.word !== 'empty'), 'a piece on the board');
  });
});
