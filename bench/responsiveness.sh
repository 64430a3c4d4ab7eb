#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# Responsiveness: a real pointer move sent to the board at alternating cell centres, then the
# board repainted at once (window_bench, offscreen; again on X under Xvfb), and the rules' own
# cost of one pointer move on a full board (rules_bench). Median of REPS repetitions.
# Targets: move to repainted footprint under 16 ms (one frame); rules' move under 5 us.
# shellcheck source=common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
REPS=${REPS:-5}

ensure_built window_bench rules_bench
medians() { grep -E '_median' | awk '{ printf "  %-45s %10s %s (CPU %s %s)\n", $1, $2, $3, $4, $5 }'; }
flags=(--benchmark_repetitions="$REPS" --benchmark_report_aggregates_only=true)

machine_line
echo "window, offscreen platform:"
"$BUILD_DIR/bench/window_bench" --benchmark_filter='[Pp]ointer[Mm]ove' "${flags[@]}" 2>&1 | medians
start_display
echo "window, X11 (xcb) under Xvfb:"
QT_QPA_PLATFORM=xcb "$BUILD_DIR/bench/window_bench" --benchmark_filter='PointerMove' \
    "${flags[@]}" 2>&1 | medians
echo "rules alone:"
"$BUILD_DIR/bench/rules_bench" --benchmark_filter='[Pp]ointer[Mm]ove' "${flags[@]}" 2>&1 | medians
