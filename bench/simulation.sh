#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# Simulation: one hour of the demo on the simulated platform (rules_bench), three runs.
# Target: under 2 s.
# shellcheck source=common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"

ensure_built rules_bench
machine_line
"$BUILD_DIR/bench/rules_bench" --benchmark_filter='SimulatedDemoHour' 2>&1 |
    awk '/^BM_SimulatedDemoHour/ { printf "one simulated demo hour: %s %s (mean of 3; CPU %s %s)\n", $2, $3, $4, $5 }'
