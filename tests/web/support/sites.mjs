// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The sites the tests serve. QUAZZLE_SITE names one that scripts/build-web made; the others are
// copies of it with a part put in place of its own.

import {cp, mkdtemp, readFile, rm, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before} from 'node:test';

import {serve} from '../../../scripts/serve-site.mjs';
import {launch} from './browser.mjs';

export function builtSite() {
  const site = process.env.QUAZZLE_SITE;
  if (!site) throw new Error('QUAZZLE_SITE must name a site made by scripts/build-web');
  return site;
}

// For one file's tests: the built site served on `port` and one browser, both there from the
// file's first test to its last (`.browser` in a test).
export function servedSite(port) {
  const served = {browser: null, server: null};
  before(async () => {
    served.server = await serve(port, builtSite());
    served.browser = await launch();
  });
  after(async () => {
    await served.browser?.close();
    served.server?.close();
  });
  return served;
}

// A copy of the built site in a folder of its own; `change(dir)` alters it. Removed by
// calling the result's remove().
export async function copyOfSite(change = async () => {}) {
  const top = await mkdtemp(join(tmpdir(), 'quazzle-site-'));
  const dir = join(top, 'site');
  await cp(builtSite(), dir, {recursive: true});
  await change(dir);
  return {dir, remove: () => rm(top, {recursive: true, force: true})};
}

// The built site with the stand-in game module in place of the game's, and no WebAssembly,
// which the page then does not ask for ahead either.
export function fakeSite() {
  return copyOfSite(async (dir) => {
    await cp(new URL('../fake/quazzle.js', import.meta.url), join(dir, 'quazzle.js'));
    await rm(join(dir, 'quazzle.wasm'));
    const page = join(dir, 'index.html');
    const html = await readFile(page, 'utf8');
    const unasked = html.replace(/^<link rel="preload" href="quazzle\.wasm"[^>]*>\n/m, '');
    if (unasked === html) throw new Error('the page no longer asks for quazzle.wasm ahead');
    await writeFile(page, unasked);
  });
}
