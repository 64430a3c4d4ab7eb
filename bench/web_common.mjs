// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Shared by the page's benchmarks: the machine line every result is recorded with.

import {execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {cpus} from 'node:os';

import {kChromium} from '../tests/web/support/browser.mjs';

export const loadAverage = () => readFileSync('/proc/loadavg', 'utf8').split(' ').slice(0, 3)
    .join(' ');

export function machineLine() {
  const cores = cpus();
  const chromium = execFileSync(kChromium, ['--version'], {stdio: ['ignore', 'pipe', 'ignore']})
      .toString().trim();
  return `${cores.length} cores (${cores[0].model.trim()}), load ${loadAverage()}, ${chromium}, ` +
    `Node ${process.version}, ${new Date().toISOString().slice(0, 10)}`;
}

export function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const mid = sorted.length >> 1;
  return sorted.length % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
}
