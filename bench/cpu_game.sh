#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# CPU of the game during a real game with no input while the hourglass runs: "Start Game" is
# pressed with xdotool, then user+system time from /proc/PID/stat is read over DURATION seconds
# (default 10), which ends before the hourglass (10.75 s) runs out. The "Game Over" prompt
# showing afterwards proves that a real game, not the demo, was measured.
# Target: under 3 % of one core.
# shellcheck source=common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
DURATION=${DURATION:-10}
AFTER_CLICK=${AFTER_CLICK:-0.3}

ensure_built quazzle
start_display
machine_line
launch_game
win=$(wait_window Quazzle 10) || { echo "the window never showed" >&2; exit 1; }
sleep 1
# The button's centre, in client coordinates: (144,160) + (81,21)/2.
xdotool mousemove --window "$win" 184 170 click 1
clicked=$(now_s)
sleep "$AFTER_CLICK"
read -r percent ticks seconds < <(measure_cpu "$GAME_PID" "$DURATION")
if wait_window "Game Over" 5 >/dev/null; then
    prompt=$(awk -v a="$clicked" -v b="$(now_s)" 'BEGIN { printf "%.2f", b - a }')
    echo "the prompt showed ${prompt} s after the click (polled every 0.05 s or so)"
else
    echo "no Game Over prompt: the click did not start a game" >&2
    exit 1
fi
echo "game CPU (hourglass running, no input): ${percent} % of one core (${ticks} ticks in ${seconds} s)"
