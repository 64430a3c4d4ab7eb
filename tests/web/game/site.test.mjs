// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The site as a host serves it: without the two headers that isolate it the game cannot have
// its thread, and the page says what the host must send.

import assert from 'node:assert/strict';
import {after, before, describe, test} from 'node:test';

import {serve} from '../../../scripts/serve-site.mjs';
import {launch, open} from '../support/browser.mjs';
import {builtSite} from '../support/sites.mjs';

const kPort = 8235;

let browser;
let server;

before(async () => {
  server = await serve(kPort, builtSite(), {isolated: false});
  browser = await launch();
});

after(async () => {
  await browser?.close();
  server?.close();
});

describe('served without the two headers', () => {
  test('the page names them, shows no game and starts no thread for it', async () => {
    const session = await open(browser, `http://127.0.0.1:${kPort}/`);
    const {page} = session;
    await page.locator('#notice').waitFor();
    const text = await page.locator('#notice-text').textContent();
    assert.match(text, /isolated/);
    const lines = await page.$$eval('#notice-text code', (codes) => codes.map((c) => c.textContent));
    assert.deepEqual(lines, ['Cross-Origin-Opener-Policy: same-origin',
      'Cross-Origin-Embedder-Policy: require-corp']);
    assert.equal(await page.getAttribute('#notice', 'role'), 'alert');
    assert.equal(await page.locator('#client').isHidden(), true);
    // What the page asks for ahead has come by now, and nothing made a worker of it.
    await page.waitForLoadState('load');
    await page.waitForTimeout(500);
    assert.deepEqual(page.workers(), []);
    assert.equal(await page.evaluate(() => globalThis.crossOriginIsolated), false);
    await session.close({expected: [/Quazzle: The game cannot start here/]});
  });
});
