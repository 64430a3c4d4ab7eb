// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// A real game through the page: "Start Game", the hover marks, placing, and a line cleared.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {settle} from '../support/browser.mjs';
import {
  emptyCells, fitsAt, footprint, GamePage, kCellCount, parseCell, parseScore, plan,
} from '../support/game.mjs';
import {servedSite} from '../support/sites.mjs';

const kPort = 8232;
const url = (seed) => `http://127.0.0.1:${kPort}/?seed=${seed}`;

const served = servedSite(kPort);

// Waits until the names of `cells` say `word`.
function namesSay(game, cells, word) {
  return game.page.waitForFunction(([cells, word]) => {
    const all = document.querySelectorAll('#board [role="gridcell"]');
    return cells.every((i) => all[i].textContent.endsWith(`: ${word}`));
  }, [cells, word]);
}

async function newGame(seed) {
  const game = await GamePage.open(served.browser, url(seed));
  await game.startGame();
  return game;
}

describe('"Start Game"', () => {
  test('ends the demo: the button goes, the board is empty, the score 0 with the best kept',
      async () => {
        const game = await GamePage.open(served.browser, url(11));
        await game.page.waitForFunction(() =>
          /best [1-9]/.test(document.getElementById('score').textContent));
        const demo = await game.score();
        const startedAt = await game.startGame();
        await game.news(/^New game, level 1$/, {after: startedAt});
        await settle(game.page);
        const panels = await game.panels();
        assert.equal(panels.start, false);
        assert.equal(await game.page.locator('#start').isVisible(), false);
        const cells = await game.cells();
        assert.deepEqual(cells.filter((c) => c.word !== 'empty'), []);
        assert.deepEqual((await game.paintedCells()).filter((w) => w !== 'empty'), []);
        const score = parseScore(panels.score);
        assert.equal(score.score, 0);
        // The demo may have scored once more before the press reached the game.
        assert.ok(score.best >= demo.best && score.best > 0, `best ${score.best}`);
        assert.equal(panels.level, 'Level 1');
        assert.equal(panels.bombs, 'Bombs 0 of 3');
        assert.equal(panels.experience, '0 of 5');
        // The piece in hand is named, and at level 1 every piece is red.
        assert.equal((await game.piece()).colour, 'red');
        // The hourglass runs from empty.
        const first = panels.timeLeft;
        await game.page.waitForTimeout(700);
        assert.ok((await game.panels()).timeLeft < first, 'the hourglass runs');
        await game.close();
      });
});

describe('the piece in hand', () => {
  test('is marked in black where it fits under the pointer, and nowhere where it does not',
      async () => {
        const game = await newGame(12);
        // Where every piece fits on an empty board.
        const anchor = 44;
        let {kind} = await game.piece();
        await game.hover(anchor);
        const cells = footprint(kind, anchor);
        await namesSay(game, cells.filter((i) => i !== anchor), 'marked');
        await namesSay(game, [anchor], 'fits');
        await settle(game.page);
        await game.keepShot('hover-fits');
        const painted = await game.paintedCells();
        const named = await game.cells();
        for (let i = 0; i < kCellCount; ++i) {
          const word = cells.includes(i) ? 'marked' : 'empty';
          assert.equal(painted[i], word, `cell ${i} painted`);
          if (i !== anchor) assert.equal(named[i].word, word, `cell ${i} named`);
        }
        // Pieces are placed until one is in hand that has an empty cell where it does not fit
        // (a single cell fits on every empty one).
        let noFit = null;
        for (let tries = 0; noFit === null; ++tries) {
          assert.ok(tries < 8, 'a piece that does not fit everywhere');
          const empty = emptyCells(await game.cells());
          noFit = [...empty].find((i) => !fitsAt(kind, i, empty)) ?? null;
          if (noFit !== null) break;
          await game.place([...empty].find((i) => fitsAt(kind, i, empty)));
          ({kind} = await game.piece());
        }
        // From a cell where it fits to one where it does not: the marks go.
        const empty = emptyCells(await game.cells());
        const fit = [...empty].find((i) => fitsAt(kind, i, empty));
        await game.hover(fit);
        await namesSay(game, [fit], 'fits');
        await game.hover(noFit);
        await namesSay(game, [noFit], 'no fit');
        await settle(game.page);
        await game.keepShot('hover-no-fit');
        assert.deepEqual((await game.cells()).filter((c) => c.word === 'marked'), []);
        assert.deepEqual((await game.paintedCells()).filter((w) => w === 'marked'), []);
        await game.close();
      });

  test('goes down where the pointer clicks, in its colour, and scores a point', async () => {
    const game = await newGame(13);
    // Long enough for the hourglass to show it has run.
    await game.page.waitForTimeout(1500);
    const {timeLeft} = await game.panels();
    const before = await game.score();
    const {kind, colour} = await game.piece();
    const anchor = 55;
    await game.click(anchor);
    const cells = footprint(kind, anchor);
    await namesSay(game, cells, colour);
    await game.page.waitForFunction((s) => document.getElementById('score').textContent !==
        `Score ${s.score}, best ${s.best}`, before);
    await settle(game.page);
    await game.keepShot('placed');
    const painted = await game.paintedCells();
    for (let i = 0; i < kCellCount; ++i) {
      assert.equal(painted[i], cells.includes(i) ? colour : 'empty', `cell ${i}`);
    }
    const score = await game.score();
    assert.equal(score.score, before.score + 1);
    assert.equal(score.best, Math.max(before.best, score.score));
    // The hourglass emptied.
    const now = (await game.panels()).timeLeft;
    assert.ok(now > timeLeft, `time left ${timeLeft} before, ${now} after`);
    await game.close();
  });
});

// The cells of "row N" or "column N".
function lineCells(name) {
  const [kind, n] = name.split(' ');
  return Array.from({length: 10}, (_, k) => kind === 'row' ? (n - 1) * 10 + k : k * 10 + (n - 1));
}

describe('a line', () => {
  test('of one colour clears: its cells flash in turn, and it pays a point a cell', async () => {
    const game = await newGame(14);
    const placed = [];
    let clearedBy = null;
    for (let pieces = 0; clearedBy === null; ++pieces) {
      assert.ok(pieces < 30, 'a line fills');
      const named = await game.cells();
      const empty = emptyCells(named);
      const {kind} = await game.piece();
      const {anchor, cells, lines} = plan(kind, empty);
      const clickAt = await game.now();
      const before = await game.place(anchor);
      placed.push(...cells);
      if (lines.length) {
        const line = lineCells(lines[0]);
        // The game's first cherry may have come down on the line.
        const cherry = named.some((c) => c.cherry && line.includes(c.index));
        clearedBy = {before, clickAt, line, lines, cherry};
      }
    }
    assert.equal(clearedBy.lines.length, 1, `one line at a time: ${clearedBy.lines}`);
    const {line} = clearedBy;
    const [saidAt, said] = await game.news(/^Line cleared, /, {after: clearedBy.clickAt});
    // Off the board, so that no cell is named for the pointer.
    await game.pointerOff();
    await namesSay(game, line, 'empty');
    await settle(game.page);
    const seen = await game.seen();
    // Its cells were named "clearing" one after another, from its first, and no other cell was.
    const flashing = seen.cells.filter(([t, name]) => t > clearedBy.clickAt && t <= saidAt &&
        /: clearing$/.test(name)).map(([, name]) => parseCell(name).index);
    assert.ok(flashing.length >= 3, `cells seen flashing: ${flashing}`);
    assert.ok(flashing.every((i) => line.includes(i)), `${flashing}`);
    assert.deepEqual(flashing, [...flashing].sort((a, b) => a - b));
    const painted = await game.paintedCells();
    assert.deepEqual(line.map((i) => painted[i]), line.map(() => 'empty'));
    // The placement's own point, then one a cell at level 1 (and a cherry's five).
    const score = await game.score();
    const m = /^Line cleared, (\d+) points, score (\d+)$/.exec(said);
    assert.ok(m, said);
    assert.equal(Number(m[2]), score.score);
    assert.equal(Number(m[1]), score.score - clearedBy.before.score - 1);
    assert.equal(Number(m[1]), 10 + (clearedBy.cherry ? 5 : 0));
    assert.equal((await game.panels()).experience, '1 of 5');
    // What the pieces put down elsewhere stays.
    const left = await game.cells();
    for (const i of placed.filter((i) => !line.includes(i))) assert.equal(left[i].word, 'red');
    await game.close();
  });
});
