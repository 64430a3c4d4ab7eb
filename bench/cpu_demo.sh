#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# CPU of the game while the demo plays: user+system time from /proc/PID/stat over DURATION
# seconds (default 60), the real program under Xvfb with sound on OpenAL's null device.
# Target: under 3 % of one core.
# shellcheck source=common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
DURATION=${DURATION:-60}
SETTLE=${SETTLE:-2}

ensure_built quazzle
start_display
machine_line
launch_game
wait_window Quazzle 10 >/dev/null || { echo "the window never showed" >&2; exit 1; }
# Start-up work is not the demo's.
sleep "$SETTLE"
read -r percent ticks seconds < <(measure_cpu "$GAME_PID" "$DURATION")
kill -0 "$GAME_PID" 2>/dev/null || { echo "the game ended during the measurement" >&2; exit 1; }
echo "demo CPU: ${percent} % of one core (${ticks} ticks in ${seconds} s)"
if [[ -n ${XVFB_PID:-} ]]; then
    echo "(Xvfb, for reference: $(awk -v c="$(cpu_ticks "$XVFB_PID")" -v hz="$CLK_TCK" \
        'BEGIN { printf "%.2f", c / hz }') s CPU in total)"
fi
