// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {test} from 'node:test';

const web = new URL('../../../web/', import.meta.url);
const read = (name) => readFileSync(new URL(name, web), 'utf8');

// The modules `name` imports, and theirs, by their file names.
function graph(name, seen = new Set()) {
  for (const [, file] of read(name).matchAll(/^import .* from '\.\/([\w-]+\.js)';$/gm)) {
    if (!seen.has(file)) {
      seen.add(file);
      graph(file, seen);
    }
  }
  return seen;
}

test('the page asks ahead for every module main.js imports, and only for those', () => {
  const html = read('index.html');
  const preloaded = [...html.matchAll(/<link rel="modulepreload" href="([^"]+)">/g)]
      .map((m) => m[1]);
  const expected = [...graph('main.js'), 'quazzle.js'].sort();
  assert.deepEqual([...preloaded].sort(), expected);
  // The game's module comes from the build; the rest are the page's own.
  for (const file of preloaded.filter((f) => f !== 'quazzle.js')) assert.ok(read(file));
  assert.match(html, /<link rel="preload" href="quazzle\.wasm" as="fetch" crossorigin>/);
  assert.match(html, /<link rel="preload" href="fonts\/dejavu-sans-bold\.woff2" as="font"/);
  assert.match(read('style.css'), /url\("fonts\/dejavu-sans-bold\.woff2"\)/);
});
