// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// A stand-in for the game's module, to drive the page without the WebAssembly: it says hello,
// plays a demo-like sequence of frames, reacts to the page's calls as the game thread would
// (a click places a block, Space sets off a bomb, Start begins a game whose third placement
// ends it with the prompt, No ends the program) and records every call it receives.
//
// Query settings, besides the game's own seed and still:
//   hold=1       say hello and send the first frame only when fakeGame.go() is called
//   fail=wasm    reject, as a module whose WebAssembly cannot be fetched does

const kTwips = 15;
const kBoardSide = 10;
const kEmpty = 0x404040;
const kPalette = [0x0000ff, 0xa6b542, 0x00c5ff, 0x32cd32, 0xff0000, 0xa00060];
const kWords = new Map([[0x404040, 'empty'], [0x000000, 'marked'], [0x0000ff, 'red'],
  [0xa6b542, 'teal'], [0x00c5ff, 'amber'], [0x32cd32, 'green'], [0xff0000, 'blue'],
  [0xa00060, 'purple'], [0xff00ff, 'clearing'], [0xffffff, 'blasted']]);
const kPreviewGrid = [
  [25, 26, 27, 28, 29],
  [30, 1, 2, 3, 31],
  [10, 4, 5, 6, 14],
  [15, 7, 8, 9, 19],
  [20, 21, 22, 23, 24],
];
const kPreviewBlank = 0x80c0ff;
// The square piece's slots in the preview.
const kSquare = [1, 2, 4, 5];
const kHourglassFull = 4815;

export const kLayout = {
  twipsPerPixel: kTwips,
  client: [8115, 5865],
  cellLeft: 360,
  cellTop: 120,
  cellPitch: 480,
  cellSize: 495,
  rimLow: 20,
  rimHigh: 400,
  hourglass: [120, 120, 135, 4815],
  hourglassFull: kHourglassFull,
  hourglassStep: 7,
  hourglassStartFill: 15,
  xpBar: [360, 4980, 4815, 135],
  bombTop: 5260,
  bombLefts: [360, 840, 1320],
  bombWidth: 450,
  bombHeight: 435,
  scoreLabel: [3960, 5160, 1185, 570],
  lineBottom: 5790,
  startButton: [2160, 2400, 1215, 315],
  previewBox: [5430, 120, 2555, 2655],
  previewCellSize: 435,
  previewColumnLefts: [180, 615, 1050, 1485, 1920],
  previewRowTops: [180, 630, 1080, 1530, 1980],
  levelLabelLefts: [60, 2370, 60, 2370],
  levelLabelTops: [30, 30, 2400, 2400],
  levelLabelWidth: 900,
  levelLabelHeight: 240,
  levelLabelGrowsLeft: [false, true, false, true],
  instructionsFrame: [5430, 2880, 2565, 2910],
  instructionsWidth: 2535,
  instructionsHeight: 2880,
  instructionsPicture: [15, 15],
  scoreRoom: 5430 - 3960 - kTwips,
};

export const kLook = {
  window: 0xffffff, gridLine: 0x262626, pictureBoxFace: 0xf0f0f0, frameEdge: 0xa0a0a0,
  previewBack: 0xc0c0c0, previewEdge: 0x909090, hourglassEmpty: 0x0000ff, hourglassFill: 0,
  text: 0,
};

export const kTexts = {
  title: 'Quazzle',
  start: 'Start Game',
  instructions: 'How to play: left click to place a block on the board. The space bar explodes ' +
    'a bomb. Fill rows and columns with single colours. Lines with cherries give extra points.',
  hourglass: 'Time left',
  hourglassDescription: 'The game ends when it runs out; each placement fills it again',
  experience: 'Experience',
  bombPrefix: 'bomb',
  board: 'Board',
  boardDescription: '10 rows of 10 cells',
  ended: 'The game has ended.',
  restart: 'Start Quazzle again',
};

const kPlayers = ['theBomb', 'theCherry', 'theExplosion', 'theLevelup'];
const kRecordings = ['THEPLACE', 'THESCORE', 'THEQUAZZLE', 'THEOVER', 'THECHERRY', 'THEBOMB',
  'THEEXPLOSION', 'THELEVELUP'];

function previewSlots() {
  const slots = [];
  kPreviewGrid.forEach((row, r) => row.forEach((slot, c) => {
    slots.push([slot, kLayout.previewColumnLefts[c], kLayout.previewRowTops[r]]);
  }));
  return slots.sort((a, b) => a[0] - b[0]);
}

// A small generator, so a seed gives the same demo every time.
function random(seed) {
  let s = (seed >>> 0) || 1;
  return () => {
    s ^= s << 13;
    s >>>= 0;
    s ^= s >>> 17;
    s ^= s << 5;
    s >>>= 0;
    return s / 4294967296;
  };
}

export default async function createQuazzle(moduleArgs = {}) {
  const query = new URLSearchParams(location.search);
  if (query.get('fail') === 'wasm') throw new Error('failed to fetch quazzle.wasm');
  const page = moduleArgs.page;
  const draw = random(moduleArgs.seed ?? 1);
  const calls = [];
  const widths = [];
  const timers = new Set();
  const later = (ms, f) => {
    const t = setTimeout(() => {
      timers.delete(t);
      f();
    }, ms);
    timers.add(t);
  };
  const stopAll = () => {
    for (const t of timers) clearTimeout(t);
    timers.clear();
  };

  // --- The game's state, as the frames tell it.
  const g = {
    cells: new Array(100).fill(kEmpty),
    cherries: new Set(),
    preview: new Array(32).fill(kPreviewBlank),
    colour: kPalette[0],
    score: 0,
    best: 0,
    level: 1,
    xp: 0,
    bombs: 0,
    fill: 15,
    demo: true,
    placed: 0,
    pointer: -1,
    over: false,
    ratio: null,
  };
  const send = (message) => page.receive(JSON.stringify(message));
  const scoreText = () => `${g.score}   ${g.best}`;
  const scorePart = () => {
    const text = scoreText();
    const width = page.textWidth(text);
    widths.push([text, width]);
    return {text, line: kLayout.scoreLabel[0] + width / 2};
  };
  const name = (i) => {
    const at = `row ${Math.trunc(i / kBoardSide) + 1}, column ${(i % kBoardSide) + 1}: `;
    const cherry = g.cherries.has(i) ? ', cherry' : '';
    if (i === g.pointer && g.cells[i] === kEmpty) return `${at}${fits(i) ? 'fits' : 'no fit'}${cherry}`;
    return `${at}${kWords.get(g.cells[i]) ?? 'coloured'}${cherry}`;
  };
  const footprint = (i) => [i, i + 1, i + kBoardSide, i + kBoardSide + 1];
  const fits = (i) => i % kBoardSide < kBoardSide - 1 && i < 90 &&
    footprint(i).every((k) => g.cells[k] === kEmpty);
  const pieceWords = () => `Piece: square, ${kWords.get(g.colour)}`;
  const a11y = () => ({
    preview: pieceWords(),
    level: `Level ${g.level}`,
    score: `Score ${g.score}, best ${g.best}`,
    bombs: `Bombs ${g.bombs} of 3`,
    timeLeft: 100 - Math.min(100, Math.trunc(g.fill * 100 / kHourglassFull)),
    experience: [g.xp, 5, `${g.xp} of 5`],
  });
  const previewPart = () => {
    const p = new Array(32).fill(kPreviewBlank);
    for (const slot of kSquare) p[slot] = g.colour;
    return p;
  };
  const xpPart = () => ({painted: true, back: 0, fore: 0xff00ff,
    filled: Math.round(g.xp * kLayout.xpBar[2] / 5)});
  const bombsPart = () => [0, 1, 2].map((k) => k < g.bombs);
  const levelsPart = () => new Array(4).fill(String(g.level));
  const everything = () => ({
    cells: g.cells.map((c, i) => [i, c, g.cherries.has(i) ? 1 : 0]),
    names: g.cells.map((_, i) => [i, name(i)]),
    preview: previewPart(),
    levels: levelsPart(),
    score: scorePart(),
    hourglass: g.fill,
    xp: xpPart(),
    bombs: bombsPart(),
    start: g.demo,
    a11y: a11y(),
  });

  const place = (at) => {
    const changed = footprint(at);
    for (const k of changed) g.cells[k] = g.colour;
    g.fill = 15;
    g.placed += 1;
    g.score += 4 * g.level;
    g.best = Math.max(g.best, g.score);
    g.colour = kPalette[Math.floor(draw() * kPalette.length)];
    const frame = {
      cells: changed.map((k) => [k, g.cells[k], g.cherries.has(k) ? 1 : 0]),
      names: changed.map((k) => [k, name(k)]),
      preview: previewPart(),
      score: scorePart(),
      hourglass: g.fill,
      sounds: [['effect', 'thePlace']],
      a11y: a11y(),
    };
    if (g.placed % 3 === 0) {
      g.xp = Math.min(5, g.xp + 1);
      frame.xp = xpPart();
      frame.a11y = a11y();
      frame.say = `Line cleared, ${4 * g.level} points, score ${g.score}`;
      frame.sounds.push(['effect', 'theScore']);
    }
    if (g.placed % 5 === 0) {
      g.cherries.add(changed[0]);
      frame.cells = changed.map((k) => [k, g.cells[k], g.cherries.has(k) ? 1 : 0]);
      frame.sounds.push(['play', 1]);
    }
    return frame;
  };

  // The demo: the hourglass runs and a block goes down now and then.
  const demoStep = (n) => {
    if (!g.demo || g.over) return;
    g.fill = Math.min(kHourglassFull, g.fill + 7 * 4);
    const frame = {hourglass: g.fill, a11y: {timeLeft: a11y().timeLeft}};
    if (n % 12 === 11) {
      const free = [];
      for (let i = 0; i < 100; ++i) if (fits(i)) free.push(i);
      if (free.length) Object.assign(frame, place(free[Math.floor(draw() * free.length)]));
      if (g.placed % 4 === 0 && g.bombs < 3) {
        g.bombs += 1;
        frame.bombs = bombsPart();
        frame.a11y = a11y();
      }
    }
    send({frame});
    later(60, () => demoStep(n + 1));
  };

  const newGame = () => {
    g.cells.fill(kEmpty);
    g.cherries.clear();
    g.score = 0;
    g.xp = 0;
    g.bombs = 1;
    g.fill = 15;
    g.placed = 0;
    g.over = false;
    send({frame: {...everything(), sounds: [['stop', 0], ['stop', 1]]}});
  };

  const hello = () => send({hello: {
    layout: kLayout, look: kLook, texts: kTexts, players: kPlayers, previewSlots: previewSlots(),
  }});

  // --- What the page calls.
  const record = (fn, ...args) => calls.push([fn, ...args]);
  const cellAt = (x, y) => {
    const left = kLayout.cellLeft / kTwips;
    const top = kLayout.cellTop / kTwips;
    const pitch = kLayout.cellPitch / kTwips;
    const c = Math.floor((x - left) / pitch);
    const r = Math.floor((y - top) / pitch);
    return c >= 0 && c < kBoardSide && r >= 0 && r < kBoardSide ? r * kBoardSide + c : -1;
  };
  let downAt = -1;
  const hover = (index) => {
    if (index === g.pointer) return;
    const was = g.pointer;
    g.pointer = index;
    const names = [was, index].filter((i) => i >= 0).map((i) => [i, name(i)]);
    if (names.length) send({frame: {names}});
  };
  // The game's memory: blocks are made at its end and never reused, so a page that reads a
  // block after freeing it reads what the next block wrote there.
  const memory = {buffer: new ArrayBuffer(4096), used: 4096, freed: []};
  const strings = [];
  const module = {
    calls,
    get HEAP16() {
      return new Int16Array(memory.buffer);
    },
    get HEAP32() {
      return new Int32Array(memory.buffer);
    },
    _free(at) {
      record('free', at);
      memory.freed.push(at);
    },
    UTF8ToString: (ptr) => strings[ptr],
    _quazzle_pointer(kind, x, y) {
      record('pointer', kind, x, y);
      if (g.over) return;
      const index = cellAt(x, y);
      if (kind === 0) hover(index);
      if (kind === 3) hover(-1);
      if (kind === 1) downAt = index;
      if (kind === 2) {
        const at = downAt;
        downAt = -1;
        if (at >= 0 && at === index && !g.demo && fits(at)) {
          const frame = place(at);
          if (g.placed === 3) {
            g.over = true;
            frame.sounds.push(['effect', 'theOver']);
            frame.prompt = {title: 'Game Over', text: 'Play again?',
              description: `Final score ${g.score}, best ${g.best}`};
          }
          send({frame});
        }
      }
    },
    _quazzle_key_released(code) {
      record('key_released', code);
      if (code !== 32 || g.bombs === 0 || g.over) return;
      g.bombs -= 1;
      send({frame: {bombs: bombsPart(), a11y: a11y(), sounds: [['play', 0]], say: 'Bomb'}});
    },
    _quazzle_start() {
      record('start');
      g.demo = false;
      stopAll();
      newGame();
    },
    _quazzle_answer(yes) {
      record('answer', yes);
      if (!g.over) return;
      if (yes) {
        newGame();
      } else {
        stopAll();
        send({ended: 0});
      }
    },
    _quazzle_ratio(ratio) {
      record('ratio', ratio);
      g.ratio = ratio;
    },
    _quazzle_sound_count() {
      record('sound_count');
      return kRecordings.length;
    },
    _quazzle_sound_name(i) {
      record('sound_name', i);
      strings[1000 + i] = kRecordings[i];
      return 1000 + i;
    },
    // A recording made now, in a block of grown memory: its frame count, then its samples.
    _quazzle_sound_make(i) {
      record('sound_make', i);
      const frames = 2205 * (1 + (i % 3));
      const at = memory.used;
      const grown = new ArrayBuffer(at + 4 + frames * 4);
      new Uint8Array(grown).set(new Uint8Array(memory.buffer));
      memory.buffer = grown;
      memory.used = grown.byteLength;
      new Int32Array(grown, at, 1)[0] = frames;
      const samples = new Int16Array(grown, at + 4, frames * 2);
      for (let f = 0; f < frames; ++f) {
        const v = Math.round(8000 * Math.sin(2 * Math.PI * (220 + 110 * i) * f / 44100));
        samples[2 * f] = v;
        samples[2 * f + 1] = -v;
      }
      return at;
    },
  };

  const begin = () => {
    hello();
    send({frame: everything()});
    if (!moduleArgs.still) later(60, () => demoStep(0));
  };
  // As the runtime does: the game's main runs once every run dependency from preRun is gone,
  // and only then is there a game for the tests to see.
  const run = () => {
    // For the tests: what the page called and measured, and a way to speak for the game.
    globalThis.fakeGame = {
      calls,
      widths,
      send,
      state: g,
      go: () => {},
    };
    if (query.get('hold') === '1') {
      globalThis.fakeGame.go = begin;
    } else {
      // The game thread's first message comes after the module is ready.
      setTimeout(begin, 0);
    }
  };
  let dependencies = 0;
  module.addRunDependency = () => ++dependencies;
  module.removeRunDependency = () => {
    if (--dependencies === 0) run();
  };
  for (const step of moduleArgs.preRun ?? []) step(module);
  if (dependencies === 0) run();
  return module;
}
