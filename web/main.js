// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Starts the page: checks that the game can run here, loads the font, the pictures and the
// game's module, and then passes messages between the game thread and the page's parts. Any
// failure is said in plain words, once.

import {Access} from './a11y.js';
import {Sound} from './audio.js';
import {fitClient} from './device.js';
import {Prompt} from './dialog.js';
import {glyphPixel, Screen, textOrigin} from './draw.js';
import {attachInput} from './input.js';
import {Pictures} from './pictures.js';
import {applyFrame, Inbox, newState} from './state.js';
import {kFallbackFamily, kScorePoints, kSmallPoints, TextMeasure} from './text.js';

export const kFontPath = 'fonts/dejavu-sans-bold.woff2';
export const kModulePath = './quazzle.js';

const kIsolationMessage =
  'The game cannot start here: it runs on a thread of its own, which the browser allows only ' +
  'to a page that is isolated from other sites. The web server must send the page with these ' +
  'two headers:';
const kIsolationHeaders = [
  'Cross-Origin-Opener-Policy: same-origin',
  'Cross-Origin-Embedder-Policy: require-corp',
];

const byId = (id) => document.getElementById(id);

// --- What the player is told when the page cannot go on, or the game has ended.

let failed = false;

// `lines` are shown below the text, each whole, as a header is written.
function showNotice(text, button, role, lines = []) {
  byId('client').hidden = true;
  const notice = byId('notice');
  notice.setAttribute('role', role);
  byId('notice-text').textContent = text;
  for (const line of lines) {
    const code = document.createElement('code');
    code.textContent = line;
    byId('notice-text').append(document.createElement('br'), code);
  }
  const restart = byId('notice-button');
  restart.hidden = !button;
  if (button) {
    restart.textContent = button;
    restart.onclick = () => location.reload();
  }
  notice.hidden = false;
  if (button) restart.focus();
}

export function fail(message, error, lines = []) {
  if (failed) return;
  failed = true;
  const detail = error && error.message ? ` (${error.message})` : '';
  console.error(`Quazzle: ${message}${detail}${lines.map((l) => ` ${l}`).join('')}`);
  const prompt = byId('prompt');
  if (prompt.open) prompt.close();
  showNotice(lines.length ? message : `${message}.`, null, 'alert', lines);
}

// --- Loading.

async function loadFont() {
  const faces = await document.fonts.load(`bold ${kScorePoints}pt "${kFallbackFamily}"`);
  if (!faces.some((face) => face.status === 'loaded')) throw new Error('no face loaded');
}

async function loadModule() {
  const module = await import(kModulePath);
  if (typeof module.default !== 'function') throw new Error('it has no default export');
  return module.default;
}

// The query's test settings, passed to the game: ?seed=N and ?still=1.
function moduleSettings() {
  const query = new URLSearchParams(location.search);
  const settings = {};
  if (query.has('seed')) settings.seed = Number(query.get('seed'));
  if (query.get('still') === '1') settings.still = true;
  return settings;
}

// --- The page.

async function boot() {
  if (!globalThis.crossOriginIsolated) {
    fail(kIsolationMessage, null, kIsolationHeaders);
    return;
  }

  const client = byId('client');
  const canvas = byId('screen');
  const layer = byId('layer');
  const startButton = byId('start');
  const text = new TextMeasure(document.createElement('canvas').getContext('2d'));
  const screen = new Screen(canvas, text);
  const access = new Access(layer, byId('news'));
  const state = newState();
  const inbox = new Inbox(state);
  const pictures = new Pictures();

  let module = null;
  let hello = null;  // the layout as soon as it arrives, for textWidth
  let started = false;  // hello applied
  let ended = false;
  let view = null;  // where the client area is, from fitClient
  let sentRatio = null;
  let viewChanged = true;
  let scheduled = false;
  let labelAlignedFor = null;  // the ratio the start button's label was put on its row for

  const call = (name, ...args) => {
    if (module && typeof module[name] === 'function') module[name](...args);
  };
  const game = {
    pointer: (kind, x, y) => call('_quazzle_pointer', kind, x, y),
    keyReleased: (code) => call('_quazzle_key_released', code),
    start: () => call('_quazzle_start'),
    answer: (yes) => call('_quazzle_answer', yes ? 1 : 0),
  };
  const sendRatio = () => {
    if (!module || !started || !view || sentRatio === view.ratio) return;
    sentRatio = view.ratio;
    call('_quazzle_ratio', view.ratio);
  };

  // Each recording is made once, copied out of the game's memory and the block freed there.
  const made = new Map();
  const recording = (i) => {
    if (!made.has(i)) {
      const at = module._quazzle_sound_make(i);
      let samples = new Int16Array(0);
      if (at) {
        // Views taken after the call: making the samples may have grown the memory.
        const frames = module.HEAP32[at >> 2];
        const first = (at + 4) >> 1;
        samples = module.HEAP16.slice(first, first + 2 * frames);
        module._free(at);
      }
      made.set(i, samples);
    }
    return made.get(i);
  };
  const sound = new Sound({
    count: () => module._quazzle_sound_count(),
    name: (i) => module.UTF8ToString(module._quazzle_sound_name(i)),
    frames: (i) => recording(i).length / 2,
    samples: (i) => recording(i),
  });
  // Each recording made ahead, one at each idle moment from the demo's first frame on, while
  // the game can still make them: no sound then waits for its making on its first play
  // (making the game-over call takes about 0.2 s).
  const whenIdle = (step) => ('requestIdleCallback' in globalThis ?
    requestIdleCallback(step) : setTimeout(step, 0));
  let makingAhead = false;
  const makeAhead = (i) => {
    if (i >= module._quazzle_sound_count()) return;
    whenIdle(() => {
      if (failed || ended) return;
      recording(i);
      makeAhead(i + 1);
    });
  };
  const unlock = (event) => {
    if (!event.isTrusted) return;
    sound.unlock();
    for (const type of ['pointerdown', 'keydown', 'click']) {
      window.removeEventListener(type, unlock, true);
    }
  };
  for (const type of ['pointerdown', 'keydown', 'click']) {
    window.addEventListener(type, unlock, true);
  }

  const prompt = new Prompt(byId('prompt'), (yes) => game.answer(yes));
  attachInput({
    client,
    startButton,
    game,
    view: () => view,
    blocked: () => prompt.isOpen || ended || failed,
  });

  const schedule = () => {
    if (scheduled || failed) return;
    scheduled = true;
    requestAnimationFrame(tick);
  };

  const fit = () => fitClient(
      hello ? [hello.layout.client[0] / hello.layout.twipsPerPixel,
               hello.layout.client[1] / hello.layout.twipsPerPixel]
            : [541, 391],
      {width: document.documentElement.clientWidth, height: document.documentElement.clientHeight},
      window.devicePixelRatio || 1);

  // Pictures drawn for the ratio; until they come, the last ones stand in, scaled.
  const usePicturesFor = (ratio) => pictures.forRatio(ratio).then((set) => {
    if (view && view.ratio === ratio) {
      screen.setPictures(set);
      schedule();
    }
  }, (error) => fail(error.message.replace(/^the/, 'The'), null));

  // The place and size of the client area; a new ratio repaints everything.
  const applyView = () => {
    const next = fit();
    const dpr = window.devicePixelRatio || 1;
    const same = view && next.ratio === view.ratio && next.deviceWidth === view.deviceWidth &&
                 next.deviceHeight === view.deviceHeight;
    const moved = !view || next.left !== view.left || next.top !== view.top;
    if (moved || !same) {
      client.style.left = `${next.left}px`;
      client.style.top = `${next.top}px`;
      client.style.width = `${next.deviceWidth / dpr}px`;
      client.style.height = `${next.deviceHeight / dpr}px`;
      canvas.style.width = client.style.width;
      canvas.style.height = client.style.height;
      layer.style.transform = `scale(${next.scale})`;
    }
    const ratioChanged = !view || next.ratio !== view.ratio;
    view = next;
    if (!same) screen.resize(next.deviceWidth, next.deviceHeight, next.ratio);
    if (ratioChanged && started) usePicturesFor(next.ratio);
    sendRatio();
  };

  const applyHello = (message) => {
    started = true;
    const texts = message.texts || {};
    if (texts.title) document.title = texts.title;
    screen.setHello(message);
    access.setHello(message, screen.layout);
    sound.setPlayers(message.players || []);
    const [left, top, width, height] = screen.layout.startButton;
    Object.assign(startButton.style, {
      left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
    });
    // The label, and a mark of no size on its baseline, where the page can read it.
    const label = document.createElement('span');
    label.className = 'label';
    label.textContent = texts.start || '';
    const baseline = document.createElement('span');
    baseline.className = 'baseline';
    label.append(baseline);
    startButton.replaceChildren(label);
    labelAlignedFor = null;
    client.hidden = false;
    viewChanged = true;
  };

  // The start button's label on the device pixel row the window's button puts it: laid out
  // with the font's unrounded ascent and descent, centred in the button inside its edge. The
  // browser puts a button's text on whole CSS pixels, which at a ratio of 2 or more is not
  // always the row the window has; a translation of the label moves it in device pixels.
  const alignStartLabel = () => {
    if (startButton.hidden || !view || labelAlignedFor === view.ratio) return;
    const label = startButton.firstElementChild;
    if (!label) return;
    labelAlignedFor = view.ratio;
    label.style.transform = '';
    const mark = label.lastElementChild.getBoundingClientRect().top;
    const natural = (mark - client.getBoundingClientRect().top) / view.scale;
    const edge = hello.look?.startBorderPixels ?? 2;
    const [left, top, width, height] = screen.layout.startButton;
    const inside = [left + edge, top + edge, width - 2 * edge, height - 2 * edge];
    const y = textOrigin(inside, text.metrics(kSmallPoints), 0, {centred: true})[1];
    const wanted = glyphPixel(y * view.ratio) / view.ratio;
    label.style.transform = `translateY(${wanted - natural}px)`;
  };

  const end = () => {
    ended = true;
    prompt.abandon();
    sound.close();
    const texts = hello.texts || {};
    showNotice(texts.ended || '', texts.restart || '', 'status');
  };

  // Every message that arrived, applied in order; then one paint of what they changed.
  function tick() {
    scheduled = false;
    if (failed) return;
    let wanted = null;
    let over = false;
    for (const message of inbox.take()) {
      if (message.hello) {
        applyHello(message.hello);
      } else if (message.frame) {
        const brought = applyFrame(state, message.frame);
        sound.apply(brought.sounds);
        if (brought.say) access.say(brought.say);
        if (brought.prompt) wanted = brought.prompt;
      } else if ('ended' in message) {
        over = true;
      }
    }
    if (!started || ended) return;
    if (viewChanged) {
      viewChanged = false;
      applyView();
    }
    screen.paint(state);
    access.update(state);
    if (state.start !== null) startButton.hidden = !state.start;
    alignStartLabel();
    // After the first frame, so that making the recordings never holds it back.
    if (!makingAhead && module) {
      makingAhead = true;
      makeAhead(0);
    }
    if (over) {
      end();
      return;
    }
    if (wanted) prompt.open(wanted);
  }

  const page = {
    receive(message) {
      const m = typeof message === 'string' ? JSON.parse(message) : message;
      if (m.hello) hello = m.hello;
      inbox.push(m);
      schedule();
    },
    // The score's width in twips, in the score's font shrunk to fit as the window shrinks it.
    textWidth(label) {
      const layout = hello && hello.layout;
      const room = layout ? layout.scoreRoom / layout.twipsPerPixel : Infinity;
      return text.score(String(label), room).width * (layout ? layout.twipsPerPixel : 15);
    },
  };

  const onViewChange = () => {
    viewChanged = true;
    if (started) schedule();
  };
  window.addEventListener('resize', onViewChange);
  const watchRatio = () => {
    const query = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    query.addEventListener('change', () => {
      watchRatio();
      onViewChange();
    }, {once: true});
  };
  watchRatio();

  // The game's WebAssembly and its thread get ready while the font and the pictures load; the
  // game itself starts once they are in, so that its first measure and its first frame use them.
  view = null;
  const first = fit();
  const fontLoad = loadFont().then(
      () => true,
      (error) => fail(`The font ${kFontPath} could not be loaded`, error));
  const picturesLoad = pictures.forRatio(first.ratio).then(
      (set) => {
        screen.setPictures(set);
        return true;
      },
      (error) => fail(error.message.replace(/^the/, 'The')));
  let factory;
  try {
    factory = await loadModule();
  } catch (error) {
    fail(`The game's module ${kModulePath.slice(2)} could not be loaded`, error);
    return;
  }
  const moduleArgs = {
    ...moduleSettings(),
    page,
    // What the game waits for before it starts; a load that failed keeps it from starting.
    preRun: [(m) => {
      m.addRunDependency('page');
      Promise.all([fontLoad, picturesLoad]).then((loaded) => {
        if (loaded.every(Boolean)) m.removeRunDependency('page');
      });
    }],
    // The game's own complaints go to the console as warnings; the page says what failed.
    print: (line) => console.log(line),
    printErr: (line) => console.warn(line),
    onAbort: (what) => fail('The game stopped with an error', {message: String(what)}),
  };
  try {
    module = await factory(moduleArgs);
  } catch (error) {
    fail('The game\'s WebAssembly (quazzle.wasm) could not be loaded or started', error);
    return;
  }
  sendRatio();
}

boot().catch((error) => fail('The page could not start the game', error));
