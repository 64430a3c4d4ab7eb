#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# Every figure in bench/README.md, one after the other (about five minutes).
set -euo pipefail
here=$(dirname "$0")
for script in simulation responsiveness timing startup cpu_game cpu_demo; do
    echo "== $script"
    "$here/$script.sh"
done
