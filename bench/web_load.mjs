// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// What the page costs to load, in Debian's Chromium (headless, a fresh context each run, so
// nothing is cached): the bytes it fetches, as served (scripts/serve-site.mjs compresses what
// it can), before its first demo frame and in all; and the time from navigation to that frame.
//
// The first demo frame is the first animation frame whose callback painted the game's first
// frame: the page paints the canvas and names the board's cells in the same callback, so a
// wrapper around requestAnimationFrame, put in before the page's scripts, notes the callback
// after which all 100 cells have names. Its time is the end of that callback, from the
// navigation's start (performance.timeOrigin). Bytes are each response's encodedDataLength at
// Network.loadingFinished (headers included), before that moment by the same clock; what the
// page's session does not see (the game thread's worker fetching its script) is taken from the
// page's Resource Timing (transferSize, responseEnd).
//
// Usage: node bench/web_load.mjs SITE_DIR [RUNS]   (default 9 runs; ports 8250 and 8251)
//   BEFORE_SITE=DIR measures a second site too, its runs alternated with SITE_DIR's.
// Needs tests/web's modules (scripts/test-web installs them, or npm ci in tests/web).

import {serve} from '../scripts/serve-site.mjs';
import {launch} from '../tests/web/support/browser.mjs';
import {loadAverage, machineLine, median} from './web_common.mjs';

const [site, runsText = '9'] = process.argv.slice(2);
if (!site) {
  console.error('usage: node bench/web_load.mjs SITE_DIR [RUNS]');
  process.exit(2);
}
const kPorts = [8250, 8251];
const runs = Number(runsText);

function firstFrameWatch() {
  const real = window.requestAnimationFrame.bind(window);
  window.quazzleFirstFrame = null;
  window.requestAnimationFrame = (callback) => real((time) => {
    callback(time);
    if (window.quazzleFirstFrame) return;
    const cells = document.querySelectorAll('#board [role="gridcell"]');
    if (cells.length === 100 && [...cells].every((c) => c.textContent !== '')) {
      window.quazzleFirstFrame = {frameStart: time, end: performance.now()};
    }
  });
}

async function once(browser, port) {
  const context = await browser.newContext({viewport: {width: 541, height: 391}});
  const page = await context.newPage();
  await page.addInitScript(firstFrameWatch);
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  const requests = new Map();
  let clock = null;  // [monotonic s, wall s] of the document's request
  cdp.on('Network.requestWillBeSent', (e) => {
    if (!clock && e.type === 'Document') clock = [e.timestamp, e.wallTime];
    requests.set(e.requestId, {url: e.request.url});
  });
  cdp.on('Network.loadingFinished', (e) => {
    const r = requests.get(e.requestId);
    if (r) Object.assign(r, {bytes: e.encodedDataLength, at: e.timestamp});
  });
  await page.goto(`http://127.0.0.1:${port}/`);
  await page.waitForFunction(() => window.quazzleFirstFrame, null, {timeout: 20000});
  // The demo fetches nothing more; whatever was still on its way comes in meanwhile.
  await page.waitForTimeout(2000);
  const {frame, origin, fcp, timings} = await page.evaluate(() => ({
    frame: window.quazzleFirstFrame,
    origin: performance.timeOrigin,
    fcp: performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? null,
    timings: performance.getEntriesByType('resource')
        .map((e) => ({url: e.name, bytes: e.transferSize, end: e.responseEnd})),
  }));
  await context.close();
  // The frame's end on the network events' clock.
  const frameAt = clock[0] + ((origin + frame.end) / 1000 - clock[1]);
  const done = [...requests.values()].filter((r) => r.bytes !== undefined);
  // Each fetch the page timed beyond those its session saw, on the network events' clock.
  const seen = done.map((r) => r.url);
  for (const t of timings) {
    const k = seen.indexOf(t.url);
    if (k >= 0) {
      seen.splice(k, 1);
    } else {
      done.push({url: t.url, bytes: t.bytes, at: clock[0] + ((origin + t.end) / 1000 - clock[1])});
    }
  }
  const sum = (list) => list.reduce((n, r) => n + r.bytes, 0);
  return {
    firstFrame: frame.end,
    frameStart: frame.frameStart,
    fcp,
    before: sum(done.filter((r) => r.at <= frameAt)),
    all: sum(done),
    files: done.map((r) => [new URL(r.url).pathname, r.bytes, r.at <= frameAt]),
  };
}

const sites = [['', site]];
if (process.env.BEFORE_SITE) sites.push(['before: ', process.env.BEFORE_SITE]);
const servers = await Promise.all(sites.map(([, dir], k) => serve(kPorts[k], dir)));
const browser = await launch();
try {
  console.log(`machine: ${machineLine()}`);
  // One run of each first, not counted: the browser's own start-up work, and the server's
  // first compression of each file.
  for (let k = 0; k < sites.length; ++k) await once(browser, kPorts[k]);
  const results = sites.map(() => []);
  for (let run = 0; run < runs; ++run) {
    for (let k = 0; k < sites.length; ++k) results[k].push(await once(browser, kPorts[k]));
  }
  const kb = (bytes) => `${(bytes / 1000).toFixed(1)} KB`;
  sites.forEach(([label, dir], k) => {
    const list = results[k];
    console.log(`${label}${dir}`);
    console.log('  files of the first run (bytes as served; * before the first demo frame):');
    for (const [path, bytes, early] of list[0].files) {
      console.log(`    ${early ? '*' : ' '} ${path.padEnd(36)} ${String(bytes).padStart(7)}`);
    }
    const firsts = list.map((r) => r.firstFrame);
    console.log(`  bytes before the first demo frame: ${kb(median(list.map((r) => r.before)))} ` +
      '(target <= 300 KB)');
    console.log(`  bytes in all: ${kb(median(list.map((r) => r.all)))} (target <= 500 KB)`);
    console.log(`  navigation to the first demo frame, median of ${runs}: ` +
      `${median(firsts).toFixed(1)} ms (${Math.min(...firsts).toFixed(1)} to ` +
      `${Math.max(...firsts).toFixed(1)}) (target <= 300 ms)`);
    console.log(`    its animation frame began at ${median(list.map((r) => r.frameStart))
        .toFixed(1)} ms; first contentful paint ${median(list.map((r) => r.fcp)).toFixed(1)} ms`);
  });
  console.log(`load after: ${loadAverage()}`);
} finally {
  await browser.close();
  for (const server of servers) server.close();
}
