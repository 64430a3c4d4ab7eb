// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {test} from 'node:test';

const web = new URL('../../../web/', import.meta.url);
const read = (name) => readFileSync(new URL(name, web), 'utf8');

test('the page asks ahead for the game\'s module, its WebAssembly and the font', () => {
  const html = read('index.html');
  // The page's own modules are one file in the site: asking for them ahead would fail.
  const preloaded = [...html.matchAll(/<link rel="modulepreload" href="([^"]+)">/g)]
      .map((m) => m[1]);
  assert.deepEqual(preloaded, ['quazzle.js']);
  assert.match(html, /<link rel="preload" href="quazzle\.wasm" as="fetch" crossorigin>/);
  assert.match(html, /<link rel="preload" href="fonts\/dejavu-sans-bold\.woff2" as="font"/);
  assert.match(read('style.css'), /url\("fonts\/dejavu-sans-bold\.woff2"\)/);
});
