// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The real game's page as a player and a screen reader meet it: the canvas's pixels, the board's
// cell names, the panels' names and values, the live region's news, the prompt. A recorder,
// put in the page before its own scripts, notes with the page's clock when the news, the cells'
// names and the score change, when sounds start and where they go, and when the player's
// pointer and keys went down and up; nothing of the page itself is reached into.

import {open, settle} from './browser.mjs';
import {decodePng, pixelAt} from './png.mjs';

export const kBoardSide = 10;
export const kCellCount = 100;

// The words a cell's name gives its colour, and the colour the window paints for each.
export const kColours = {
  empty: [0x40, 0x40, 0x40],
  marked: [0, 0, 0],
  red: [0xff, 0, 0],
  teal: [0x42, 0xb5, 0xa6],
  amber: [0xff, 0xc5, 0],
  green: [0x32, 0xcd, 0x32],
  blue: [0, 0, 0xff],
  purple: [0x60, 0, 0xa0],
  clearing: [0xff, 0, 0xff],
  blasted: [0xff, 0xff, 0xff],
};

// Every piece a player can be dealt, as the preview names it: its cells from the cell the
// pointer is on, as [rows down, columns right].
export const kPieces = {
  'L, corner top-left': [[0, 0], [0, 1], [1, 0]],
  'L, corner bottom-left': [[0, 0], [0, 1], [-1, 0]],
  'L, corner top-right': [[0, 0], [0, -1], [1, 0]],
  'L, corner bottom-right': [[0, 0], [0, -1], [-1, 0]],
  'square': [[0, 0], [0, 1], [1, 0], [1, 1]],
  'pair, horizontal': [[0, 0], [0, 1]],
  'pair, vertical': [[0, 0], [1, 0]],
  'single cell': [[0, 0]],
  'bar of four, horizontal': [[0, 0], [0, 1], [0, 2], [0, 3]],
  'bar of four, vertical': [[0, 0], [1, 0], [2, 0], [3, 0]],
  'bar of five, horizontal': [[0, 0], [0, 1], [0, 2], [0, 3], [0, 4]],
  'bar of five, vertical': [[0, 0], [1, 0], [2, 0], [3, 0], [4, 0]],
  'block of three by three': [[0, 0], [0, 1], [0, 2], [1, 0], [1, 1], [1, 2], [2, 0], [2, 1],
    [2, 2]],
};

export function colourWord(rgb) {
  return Object.keys(kColours).find((w) => kColours[w].every((v, k) => v === rgb[k])) ?? null;
}

export const rowOf = (index) => Math.trunc(index / kBoardSide);
export const columnOf = (index) => index % kBoardSide;

// "row 3, column 5: red, cherry" as {index, word, cherry}.
export function parseCell(name) {
  const m = /^row (\d+), column (\d+): (.+?)(, cherry)?$/.exec(name);
  if (!m) throw new Error(`not a cell's name: "${name}"`);
  return {index: (Number(m[1]) - 1) * kBoardSide + Number(m[2]) - 1, word: m[3], cherry: !!m[4]};
}

// "Piece: L, corner top-left, red" as {kind, colour}.
export function parsePiece(name) {
  const m = /^Piece: (.+), ([a-z]+)$/.exec(name);
  if (!m || !kPieces[m[1]]) throw new Error(`not a piece's name: "${name}"`);
  return {kind: m[1], colour: m[2]};
}

// "Score 12, best 340" as {score, best}.
export function parseScore(name) {
  const m = /^Score (\d+), best (\d+)$/.exec(name);
  if (!m) throw new Error(`not the score's name: "${name}"`);
  return {score: Number(m[1]), best: Number(m[2])};
}

// The cells `kind` covers from `anchor`, or null where it would leave the board.
export function footprint(kind, anchor) {
  const cells = [];
  for (const [down, right] of kPieces[kind]) {
    const row = rowOf(anchor) + down;
    const column = columnOf(anchor) + right;
    if (row < 0 || row >= kBoardSide || column < 0 || column >= kBoardSide) return null;
    cells.push(row * kBoardSide + column);
  }
  return cells;
}

// Where `kind` may go down on a board whose empty cells are `empty` (a set of indices).
export function fitsAt(kind, anchor, empty) {
  const cells = footprint(kind, anchor);
  return cells !== null && cells.every((i) => empty.has(i));
}

// The empty cells of a board its cells' names describe: the pointer's cell says whether the
// piece fits there instead, and the cells it would cover are marked.
export function emptyCells(cells) {
  return new Set(cells.filter((c) => ['empty', 'fits', 'no fit', 'marked'].includes(c.word))
      .map((c) => c.index));
}

// The lines (rows as "row N", columns as "column N", from 1) that `cells` complete on a board
// whose empty cells are `empty`.
export function completedBy(cells, empty) {
  const left = new Set([...empty].filter((i) => !cells.includes(i)));
  const lines = [];
  for (let n = 0; n < kBoardSide; ++n) {
    const row = Array.from({length: kBoardSide}, (_, k) => n * kBoardSide + k);
    const column = Array.from({length: kBoardSide}, (_, k) => k * kBoardSide + n);
    if (row.some((i) => cells.includes(i)) && row.every((i) => !left.has(i))) {
      lines.push(`row ${n + 1}`);
    }
    if (column.some((i) => cells.includes(i)) && column.every((i) => !left.has(i))) {
      lines.push(`column ${n + 1}`);
    }
  }
  return lines;
}

// Where the piece in hand goes, as the demo plays it: the first place it fits in reading order,
// unless somewhere it completes a line. Null when it fits nowhere.
export function plan(kind, empty) {
  let first = null;
  for (let anchor = 0; anchor < kCellCount; ++anchor) {
    if (!fitsAt(kind, anchor, empty)) continue;
    const cells = footprint(kind, anchor);
    const lines = completedBy(cells, empty);
    if (lines.length) return {anchor, cells, lines};
    first ??= {anchor, cells, lines};
  }
  return first;
}

// Runs in the page before its own scripts: see the top of this file.
export function recorder() {
  const seen = {news: [], cells: [], scores: [], sounds: [], contexts: [], input: []};
  globalThis.quazzleSeen = seen;
  new MutationObserver((changes) => {
    const now = performance.now();
    for (const change of changes) {
      const element = change.target.nodeType === Node.TEXT_NODE ? change.target.parentElement :
        change.target;
      if (!element || !element.getAttribute) continue;
      if (element.id === 'news') {
        seen.news.push([now, element.textContent.replace(/\u200b/g, '')]);
      } else if (element.getAttribute('role') === 'gridcell') {
        seen.cells.push([now, element.textContent]);
      } else if (element.id === 'score') {
        seen.scores.push([now, element.textContent]);
      }
    }
  }).observe(document, {subtree: true, childList: true, characterData: true});
  const Real = globalThis.AudioContext;
  if (Real) {
    // For a test's own probe, which the page's contexts are not to be confused with.
    seen.unrecordedContext = Real;
    globalThis.AudioContext = class extends Real {
      constructor(...args) {
        super(...args);
        seen.contexts.push(this);
      }
    };
    // Where a source goes tells an effect (straight out) from a player (through its gain).
    const connect = AudioNode.prototype.connect;
    AudioNode.prototype.connect = function(to, ...rest) {
      if (this instanceof AudioBufferSourceNode) {
        this.quazzleTo = to instanceof AudioDestinationNode ? 'effect' : 'player';
      }
      return connect.call(this, to, ...rest);
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function(...args) {
      seen.sounds.push([performance.now(), this.quazzleTo, this.buffer ? this.buffer.length : 0,
        this.context.state]);
      return start.apply(this, args);
    };
  }
  // Each press and release: [time, type, key's code, whether a key's press repeats].
  for (const type of ['pointerdown', 'pointerup', 'keydown', 'keyup']) {
    addEventListener(type, (e) => seen.input.push([e.timeStamp, type, e.code || '', e.repeat]),
        true);
  }
}

export class GamePage {
  constructor(session) {
    this.session = session;
    this.page = session.page;
  }

  // The game's page at `url`, once the game's first frame has been applied.
  static async open(browser, url, options = {}) {
    const game = new GamePage(await open(browser, url, {...options, init: recorder}));
    await game.page.waitForFunction(() => {
      const cells = document.querySelectorAll('#board [role="gridcell"]');
      return cells.length === 100 && [...cells].every((c) => c.textContent !== '') &&
        document.getElementById('score').textContent !== '';
    });
    await settle(game.page);
    return game;
  }

  close(options) {
    return this.session.close(options);
  }

  // A screenshot to look at, where QUAZZLE_SHOTS names a folder.
  async keepShot(name) {
    if (process.env.QUAZZLE_SHOTS) {
      await this.page.screenshot({path: `${process.env.QUAZZLE_SHOTS}/${name}.png`});
    }
  }

  names() {
    return this.page.$$eval('#board [role="gridcell"]', (cells) => cells.map((c) => c.textContent));
  }

  async cells() {
    return (await this.names()).map(parseCell);
  }

  // The named panels: what a screen reader reads of each.
  panels() {
    return this.page.evaluate(() => {
      const el = (id) => document.getElementById(id);
      return {
        preview: el('preview').textContent,
        level: el('level').textContent,
        bombs: el('bombs').textContent,
        score: el('score').textContent,
        timeLeft: Number(el('hourglass').getAttribute('aria-valuenow')),
        experience: el('experience').getAttribute('aria-valuetext'),
        start: !el('start').hidden,
      };
    });
  }

  async piece() {
    return parsePiece((await this.panels()).preview);
  }

  async score() {
    return parseScore((await this.panels()).score);
  }

  seen() {
    return this.page.evaluate(() => {
      const s = globalThis.quazzleSeen;
      return {news: s.news, cells: s.cells, scores: s.scores, sounds: s.sounds, input: s.input,
        contexts: s.contexts.map((c) => c.state)};
    });
  }

  now() {
    return this.page.evaluate(() => performance.now());
  }

  // The first news after `after` (the page's clock) that matches `words`: [time, words]. News
  // that waited to be said is said with the next, joined by ". ": each part counts alone.
  async news(words, {after = 0, timeout = 15000} = {}) {
    const handle = await this.page.waitForFunction(([source, flags, after]) => {
      const re = new RegExp(source, flags);
      for (const [t, text] of globalThis.quazzleSeen.news) {
        if (t <= after) continue;
        const part = [text, ...text.split('. ')].find((p) => re.test(p));
        if (part !== undefined) return [t, part];
      }
      return null;
    }, [words.source, words.flags, after], {timeout, polling: 50});
    return handle.jsonValue();
  }

  // Where the pointer goes for a cell: well inside it, away from the rim where the board wipes
  // the hover marks.
  async cellPoint(index) {
    const box = await this.page.locator('#board [role="gridcell"]').nth(index).boundingBox();
    return [box.x + box.width * 0.4, box.y + box.height * 0.4];
  }

  async hover(index) {
    await this.page.mouse.move(...await this.cellPoint(index));
  }

  async click(index) {
    await this.hover(index);
    await this.page.mouse.down();
    await this.page.mouse.up();
  }

  // Puts the piece in hand down at `anchor` and waits for the score to take it.
  async place(anchor) {
    const before = await this.score();
    await this.click(anchor);
    await this.page.waitForFunction((s) => !document.getElementById('score').textContent
        .startsWith(`Score ${s},`), before.score);
    return before;
  }

  // Puts the piece in hand where the demo would (see plan); returns the plan.
  async placeAsPlanned() {
    const {kind} = await this.piece();
    const planned = plan(kind, emptyCells(await this.cells()));
    if (!planned) throw new Error(`no room for ${kind}`);
    await this.place(planned.anchor);
    return planned;
  }

  // Moves the pointer off the board, onto the instructions, and waits until no cell is named for
  // it or marked for the piece in hand.
  async pointerOff() {
    const box = await this.page.locator('#instructions').boundingBox();
    await this.page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await this.page.waitForFunction(() => [...document.querySelectorAll('#board [role="gridcell"]')]
        .every((c) => !/: (fits|no fit|marked)/.test(c.textContent)));
    await settle(this.page);
  }

  async startGame() {
    const before = await this.now();
    await this.page.locator('#start').click();
    await this.page.locator('#start').waitFor({state: 'hidden'});
    await this.page.waitForFunction(() => [...document.querySelectorAll('#board [role="gridcell"]')]
        .every((c) => /: empty$/.test(c.textContent)));
    return before;
  }

  // The board's painted colours, by the words for them (null for a colour no word names), in
  // the page's screenshot or in `picture`, a picture of the window at the same ratio.
  async paintedCells(picture = null) {
    const shot = picture ?? decodePng(await this.page.screenshot());
    const ratio = shot.width / 541;
    const {cells, button} = await this.page.evaluate(() => {
      const box = (e) => {
        const r = e.getBoundingClientRect();
        return [r.left, r.top, r.right, r.bottom];
      };
      const start = document.getElementById('start');
      return {cells: [...document.querySelectorAll('#board [role="gridcell"]')].map(box),
        button: start.hidden ? null : box(start)};
    });
    const under = (x, y) => button && x >= button[0] && x < button[2] && y >= button[1] &&
      y < button[3];
    // Just inside the cell's edge line, where a cherry does not reach; in the corner the start
    // button leaves free.
    const line = Math.max(1, Math.trunc(ratio));
    return cells.map(([left, top, right, bottom]) => {
      const [x, y] = under(left + 1, top + 1) ?
        [Math.round(right * ratio) - 2 * line, Math.round(bottom * ratio) - 2 * line] :
        [Math.round(left * ratio) + line, Math.round(top * ratio) + line];
      return colourWord(pixelAt(shot, x, y));
    });
  }
}
