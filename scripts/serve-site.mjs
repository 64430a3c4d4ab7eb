#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Serves a static folder on loopback as a web host should serve the game: with the two headers
// that make the page cross-origin isolated (without them the game cannot start its thread), the
// right types, and compressed when the browser takes it. Nothing outside the folder is served.
// Usage: node scripts/serve-site.mjs DIR [PORT] [--no-isolation]
//   PORT 0 picks a free port; the first line printed is the page's address.
//   --no-isolation leaves the two headers out, to see what the page says then.
// As a module: serve(port, dir, {isolated, hidden}) resolves to the listening server; `hidden`
// lists paths that answer 404, to see what the page says when a file is missing.
import { createReadStream, promises as fs } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';
import { gzip } from 'node:zlib';

const compress = promisify(gzip);

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.json': 'application/json',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
    '.woff2': 'font/woff2',
    '.txt': 'text/plain; charset=utf-8',
};
const compressible = new Set(['.html', '.js', '.mjs', '.css', '.json', '.wasm', '.svg', '.txt']);

function headers(ext, compress, isolated) {
    const h = {
        'Content-Type': types[ext] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache',
        'X-Content-Type-Options': 'nosniff',
    };
    if (isolated) {
        h['Cross-Origin-Opener-Policy'] = 'same-origin';
        h['Cross-Origin-Embedder-Policy'] = 'require-corp';
    }
    if (compress) {
        h['Content-Encoding'] = 'gzip';
        h.Vary = 'Accept-Encoding';
    }
    return h;
}

// The request's path, decoded, or null when it cannot name a file.
function pathOf(url) {
    let name;
    try {
        name = decodeURIComponent(new URL(url, 'http://localhost').pathname);
    } catch {
        return null;
    }
    return name.includes('\0') ? null : name;
}

// The file a request names inside `root` and its stat, or null when it names nothing inside
// the folder.
async function fileFor(root, name) {
    if (name.endsWith('/')) name += 'index.html';
    const file = path.resolve(root, '.' + name);
    if (file !== root && !file.startsWith(root + path.sep)) return null;
    try {
        const stat = await fs.stat(file);
        return stat.isFile() ? { file, stat } : null;
    } catch {
        return null;
    }
}

export function serve(port, dir, { isolated = true, hidden = [] } = {}) {
    const root = path.resolve(dir);
    // Each file compressed once, as a host serves what it compressed ahead; made again when
    // the file changes.
    const compressed = new Map();
    const compressedBody = async (file, stat) => {
        const known = compressed.get(file);
        if (known && known.mtimeMs === stat.mtimeMs && known.size === stat.size) return known.body;
        const body = await compress(await fs.readFile(file), { level: 9 });
        compressed.set(file, { mtimeMs: stat.mtimeMs, size: stat.size, body });
        return body;
    };
    const server = createServer(async (req, res) => {
        if (req.method !== 'GET' && req.method !== 'HEAD') {
            res.writeHead(405, { Allow: 'GET, HEAD' }).end();
            return;
        }
        const name = pathOf(req.url);
        const found = name === null || hidden.includes(name) ? null : await fileFor(root, name);
        if (!found) {
            res.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' }).end('Not found\n');
            return;
        }
        const { file, stat } = found;
        const ext = path.extname(file);
        // A validator, as hosts send: the game thread's worker asks for quazzle.js again, and
        // the browser need only be told it has not changed.
        const tag = `W/"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"`;
        if (req.headers['if-none-match'] === tag) {
            res.writeHead(304, { ...headers(ext, false, isolated), ETag: tag }).end();
            return;
        }
        const gzipped =
            compressible.has(ext) && /\bgzip\b/.test(req.headers['accept-encoding'] ?? '');
        let compressedFile = null;
        if (gzipped) {
            try {
                compressedFile = await compressedBody(file, stat);
            } catch {
                res.destroy();
                return;
            }
        }
        res.writeHead(200, {
            ...headers(ext, gzipped, isolated),
            'Content-Length': compressedFile ? compressedFile.length : stat.size,
            ETag: tag,
        });
        if (req.method === 'HEAD') {
            res.end();
            return;
        }
        if (compressedFile) {
            res.end(compressedFile);
            return;
        }
        const body = createReadStream(file);
        body.on('error', () => res.destroy());
        body.pipe(res);
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => resolve(server));
    });
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    const args = process.argv.slice(2);
    const isolated = !args.includes('--no-isolation');
    const [dir, portText = '8080'] = args.filter((a) => !a.startsWith('--'));
    if (!dir) {
        console.error('usage: serve-site.mjs DIR [PORT] [--no-isolation]');
        process.exit(2);
    }
    const server = await serve(Number(portText), dir, { isolated });
    console.log(`http://127.0.0.1:${server.address().port}/`);
}
