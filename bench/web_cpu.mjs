// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// CPU the page costs in Debian's Chromium (headless), against a floor page in the same browser:
// a canvas of 541 x 391 repainting a 9 x 1 px strip 30 times a second, a row further down each
// time, as the hourglass's bar grows. CPU is utime + stime from /proc, summed over every
// process of the browser's tree (browser, renderers, GPU, audio and other services), over
// SECONDS of wall time; the figures are percent of one core.
//
// Each round measures, in a fresh context each, in turn:
//   floor  the floor page
//   game   the real game after a click on "Start Game", no input after it, the hourglass
//          running (the game ends 10.75 s after the click: SECONDS stays below 9.5); the
//          click starts the sound, which plays the cherry's 5 s in
//   quiet  the same, started by a script's click, which starts no sound: the game alone
//   demo   the demo playing, no input (so no sound: nothing has unlocked it)
//
// Usage: node bench/web_cpu.mjs SITE_DIR [ROUNDS] [SECONDS]   (default 5 rounds of 9 s;
//        ports 8252 to 8254). BEFORE_SITE=DIR measures a second site's game, quiet game and
//        demo in the same rounds. Needs tests/web's modules (scripts/test-web installs them).

import {readdirSync, readFileSync} from 'node:fs';
import {mkdtemp, rm, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {serve} from '../scripts/serve-site.mjs';
import {launch} from '../tests/web/support/browser.mjs';
import {loadAverage, machineLine} from './web_common.mjs';

const [site, roundsText = '5', secondsText = '9'] = process.argv.slice(2);
if (!site) {
  console.error('usage: node bench/web_cpu.mjs SITE_DIR [ROUNDS] [SECONDS]');
  process.exit(2);
}
const rounds = Number(roundsText);
const seconds = Number(secondsText);
if (seconds > 9.5) throw new Error('a real game with no input ends 10.75 s after its start');
const kGamePort = 8252;
const kFloorPort = 8253;
const kBeforePort = 8254;
const kTicks = 100;  // clock ticks a second (getconf CLK_TCK on Linux)

const kFloorPage = `<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>floor</title></head>
<body style="margin:0;background:#fff">
<canvas id="c" width="541" height="391" style="display:block"></canvas>
<script>
const ctx = document.getElementById('c').getContext('2d', {alpha: false});
ctx.fillStyle = '#fff';
ctx.fillRect(0, 0, 541, 391);
let row = 0;
setInterval(() => requestAnimationFrame(() => {
  ctx.fillStyle = row % 2 ? '#000' : '#f00';
  ctx.fillRect(8, 8 + row, 9, 1);
  row = (row + 1) % 321;
}), 1000 / 30);
</script>
</body></html>
`;

// What a process of Chromium's is for, from its command line: the browser itself, a
// renderer, the GPU process, or a utility service (audio, network, storage).
function kindOf(pid) {
  try {
    // The zygote's children write their command line back as one string, spaces between.
    const line = readFileSync(`/proc/${pid}/cmdline`, 'utf8').split(/[\0 ]/);
    const type = line.find((a) => a.startsWith('--type='))?.slice(7);
    const service = line.find((a) => a.startsWith('--utility-sub-type='))?.slice(19);
    if (!type) return line[0].endsWith('node') ? 'node' : 'browser';
    return service ? service.replace(/^.*\./, '').replace(/_?mojom.*$/i, '') : type;
  } catch {
    return 'gone';
  }
}

// Clock ticks of user and system time of every process below this one (Chromium and its own),
// by what each process is for.
function treeTicks() {
  const parent = new Map();
  const ticks = new Map();
  for (const name of readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    let stat;
    try {
      stat = readFileSync(`/proc/${name}/stat`, 'utf8');
    } catch {
      continue;  // gone meanwhile
    }
    // The command's name may hold spaces and parentheses: the fields start after the last ')'.
    const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
    parent.set(Number(name), Number(fields[1]));
    ticks.set(Number(name), Number(fields[11]) + Number(fields[12]));
  }
  const byPid = new Map();
  for (const [pid, t] of ticks) {
    for (let p = parent.get(pid); p; p = parent.get(p)) {
      if (p === process.pid) {
        byPid.set(pid, t);
        break;
      }
    }
  }
  return byPid;
}

// The ticks between two looks, in all and by kind of process; a process that started between
// them counts from nothing.
function ticksBetween(before, after) {
  const kinds = {};
  let all = 0;
  for (const [pid, t] of after) {
    const d = t - (before.get(pid) ?? 0);
    if (d <= 0) continue;
    all += d;
    const kind = kindOf(pid);
    kinds[kind] = (kinds[kind] ?? 0) + d;
  }
  return {all, kinds};
}

// CPU of the tree over SECONDS from now.
async function measure() {
  const t0 = treeTicks();
  const w0 = performance.now();
  await new Promise((done) => setTimeout(done, seconds * 1000));
  const {all, kinds} = ticksBetween(t0, treeTicks());
  const wall = (performance.now() - w0) / 1000;
  return {percent: 100 * all / kTicks / wall, ticks: all, kinds};
}

// A page of the client area's size in a fresh context, at `url`.
async function openAt(browser, url) {
  const context = await browser.newContext({viewport: {width: 541, height: 391}});
  const page = await context.newPage();
  await page.goto(url);
  return {context, page};
}

// A real game started by `press`, measured while its hourglass runs.
async function playing(browser, press, port) {
  const {context, page} = await openAt(browser, `http://127.0.0.1:${port}/`);
  const start = page.locator('#start');
  await start.waitFor();
  await press(start);
  await start.waitFor({state: 'hidden'});
  await page.waitForTimeout(500);
  const result = await measure();
  // A real game ran all along: its hourglass had not run out.
  const left = await page.evaluate(() => document.getElementById('hourglass')
      .getAttribute('aria-valuenow'));
  await context.close();
  if (!(Number(left) > 0)) throw new Error('the game ended before the measure did');
  return result;
}

// A page left alone, measured from a second after `ready` saw it start.
const leftAlone = (url, ready = async () => {}) => async (browser) => {
  const {context, page} = await openAt(browser, url);
  await ready(page);
  await page.waitForTimeout(1000);
  const result = await measure();
  await context.close();
  return result;
};

const floorPage = leftAlone(`http://127.0.0.1:${kFloorPort}/floor.html`);
const demo = (port) => leftAlone(`http://127.0.0.1:${port}/`,
    (page) => page.locator('#start').waitFor());

const gameScenarios = (port, label = '') => ({
  [`${label}game`]: (browser) => playing(browser, (start) => start.click(), port),
  [`${label}quiet`]: (browser) => playing(browser,
      (start) => start.evaluate((button) => button.click()), port),
  [`${label}demo`]: demo(port),
});

const scenarios = {floor: floorPage, ...gameScenarios(kGamePort)};
if (process.env.BEFORE_SITE) Object.assign(scenarios, gameScenarios(kBeforePort, 'before '));

const floorDir = await mkdtemp(join(tmpdir(), 'quazzle-floor-'));
await writeFile(join(floorDir, 'floor.html'), kFloorPage);
const servers = [await serve(kGamePort, site), await serve(kFloorPort, floorDir)];
if (process.env.BEFORE_SITE) servers.push(await serve(kBeforePort, process.env.BEFORE_SITE));
const browser = await launch();
try {
  console.log(`machine: ${machineLine()}`);
  // The browser's own start-up, not counted.
  await scenarios.demo(browser);
  if (process.env.BEFORE_SITE) console.log(`before: ${process.env.BEFORE_SITE}`);
  const results = Object.fromEntries(Object.keys(scenarios).map((k) => [k, []]));
  for (let round = 0; round < rounds; ++round) {
    // Each round in another order, so that no scenario always follows the same one.
    const order = Object.keys(scenarios);
    for (let k = 0; k < round % order.length; ++k) order.push(order.shift());
    for (const name of order) results[name].push(await scenarios[name](browser));
  }
  const mean = (list) => list.reduce((a, r) => a + r.percent, 0) / list.length;
  const floor = mean(results.floor);
  for (const [name, list] of Object.entries(results)) {
    const each = list.map((r) => r.percent.toFixed(2)).join(', ');
    console.log(`${name.padEnd(12)} ${mean(list).toFixed(2)} % of a core (${each}; ` +
      `${(mean(list) / floor).toFixed(2)}x the floor)`);
    const kinds = {};
    for (const r of list) {
      for (const [kind, t] of Object.entries(r.kinds)) kinds[kind] = (kinds[kind] ?? 0) + t;
    }
    console.log(`             ticks by process: ${Object.entries(kinds).sort((a, b) => b[1] - a[1])
        .map(([kind, t]) => `${kind} ${t}`).join(', ')}`);
  }
  console.log(`target: the real game with no input within 1.3x of the floor page`);
  console.log(`load after: ${loadAverage()}`);
} finally {
  await browser.close();
  for (const server of servers) server.close();
  await rm(floorDir, {recursive: true, force: true});
}
