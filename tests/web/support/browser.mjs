// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Debian's Chromium, headless, driven by playwright-core: one browser a test file, one context
// a page, and every page's console watched. A page whose console shows an error, or which
// throws an exception nobody catches, fails the test that opened it when it closes.

import assert from 'node:assert/strict';

import {chromium} from 'playwright-core';

export const kChromium = process.env.QUAZZLE_CHROMIUM || '/usr/bin/chromium';

// A player's browser as far as the page can tell: sound waits for a gesture.
const kFlags = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run',
  '--autoplay-policy=document-user-activation-required'];

export function launch() {
  return chromium.launch({executablePath: kChromium, args: kFlags});
}

// A page of its own at `url`, the size of the game's client area unless told otherwise.
// `init` runs in the page before any of its own scripts.
export async function open(browser, url, {dpr = 1, width = 541, height = 391, touch = false,
  init = null, wait = 'load'} = {}) {
  const context = await browser.newContext({
    viewport: {width, height}, deviceScaleFactor: dpr, hasTouch: touch,
  });
  const page = await context.newPage();
  const problems = [];
  page.on('console', (m) => {
    if (m.type() === 'error' || m.type() === 'assert') problems.push(`console ${m.type()}: ${m.text()}`);
  });
  page.on('pageerror', (e) => problems.push(`uncaught: ${e.message}`));
  page.on('crash', () => problems.push('the page crashed'));
  if (init) await page.addInitScript(init);
  await page.goto(url, {waitUntil: wait});
  return {
    page,
    context,
    problems,
    // Closes the page; fails unless its console stayed clean, but for the errors `expected`
    // (regular expressions) names, each of which must have been seen.
    async close({expected = []} = {}) {
      await context.close();
      const unexpected = problems.filter((p) => !expected.some((e) => e.test(p)));
      assert.deepEqual(unexpected, [], 'the page reported errors');
      for (const e of expected) assert.ok(problems.some((p) => e.test(p)), `no error like ${e}`);
    },
  };
}

// Two animation frames: whatever had arrived has been applied and painted.
export function settle(page) {
  return page.evaluate(() => new Promise((done) => {
    requestAnimationFrame(() => requestAnimationFrame(done));
  }));
}
