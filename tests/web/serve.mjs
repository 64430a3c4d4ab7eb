// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// A static server for the page on this machine only, with the two headers that isolate it, or
// without them (--no-isolation) to see what the page says then.
// Usage: node tests/web/serve.mjs PORT DIR [--no-isolation]

import {createReadStream} from 'node:fs';
import {stat} from 'node:fs/promises';
import {createServer} from 'node:http';
import {extname, join, normalize, resolve, sep} from 'node:path';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.woff2': 'font/woff2',
  '.svg': 'image/svg+xml',
};

export function isolationHeaders(isolated) {
  return isolated ? {
    'Cross-Origin-Opener-Policy': 'same-origin',
    'Cross-Origin-Embedder-Policy': 'require-corp',
  } : {};
}

// The file a request names inside `root`, or null when it would reach outside it.
export function fileFor(root, url) {
  let path;
  try {
    path = decodeURIComponent(new URL(url, 'http://localhost').pathname);
  } catch {
    return null;
  }
  if (path.endsWith('/')) path += 'index.html';
  const file = normalize(join(root, path));
  return file === root || file.startsWith(root + sep) ? file : null;
}

// `hidden` paths answer 404 as if they were missing, to see what the page says then.
export function serve(port, dir, isolated, {hidden = []} = {}) {
  const root = resolve(dir);
  const server = createServer(async (request, response) => {
    const headers = {'Cache-Control': 'no-store', ...isolationHeaders(isolated)};
    const path = new URL(request.url, 'http://localhost').pathname;
    const file = hidden.includes(path) ? null : fileFor(root, request.url);
    const info = file && await stat(file).catch(() => null);
    if (!info || !info.isFile() || (request.method !== 'GET' && request.method !== 'HEAD')) {
      response.writeHead(404, {...headers, 'Content-Type': 'text/plain'});
      response.end('not found\n');
      return;
    }
    response.writeHead(200, {
      ...headers,
      'Content-Type': kTypes[extname(file)] || 'application/octet-stream',
      'Content-Length': info.size,
    });
    if (request.method === 'HEAD') response.end();
    else createReadStream(file).pipe(response);
  });
  return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [port, dir, ...flags] = process.argv.slice(2);
  if (!port || !dir) {
    console.error('usage: node serve.mjs PORT DIR [--no-isolation]');
    process.exit(2);
  }
  const isolated = !flags.includes('--no-isolation');
  await serve(Number(port), dir, isolated);
  console.log(`serving ${resolve(dir)} on http://127.0.0.1:${port}/${isolated ? '' : ' (not isolated)'}`);
}
