#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# Start-up, RUNS warm launches after one warm-up launch, medians reported:
#  - launch to the window being mapped: xev on the root window reports the MapNotify as it happens
#    (xdotool's --sync polls only every half second, too coarse here);
#  - launch to the first painted frame: the first flush of the window's backing store to X, as
#    Qt's own painting log stamps it (millisecond wall-clock times).
# Then resident memory (VmRSS) 5 s after launch, while the demo plays, without the log.
# Targets: under 300 ms warm; under 80 MB.
# shellcheck source=common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
RUNS=${RUNS:-9}
RSS_AFTER=${RSS_AFTER:-5}

ensure_built quazzle
start_display
machine_line
LOG=$(mktemp)
trap 'rm -f "$LOG"; cleanup' EXIT

# Prints "mapped_ms painted_ms" for one launch.
time_one_launch() {
    local line t0 t1 id painted
    coproc XEV { exec stdbuf -oL xev -root -event substructure -event property; }
    STARTED_PIDS+=("$XEV_PID")
    # xev prints nothing until an event comes: a property change on the root shows it listens.
    until [[ ${line:-} == PropertyNotify* ]]; do
        if ! kill -0 "${XEV_PID:-none}" 2>/dev/null; then
            echo "xev failed" >&2
            return 1
        fi
        xprop -root -f QUAZZLE_BENCH 8s -set QUAZZLE_BENCH ready
        read -r -t 0.5 line <&"${XEV[0]}" || true
    done
    t0=$EPOCHREALTIME
    QT_LOGGING_RULES='qt.widgets.painting=true' \
        QT_MESSAGE_PATTERN='%{time yyyy-MM-dd HH:mm:ss.zzz}|%{message}' \
        "$GAME" >/dev/null 2>"$LOG" &
    GAME_PID=$!
    STARTED_PIDS+=("$GAME_PID")
    while read -r -t 10 line <&"${XEV[0]}"; do
        if [[ $line == MapNotify* ]]; then
            t1=$EPOCHREALTIME
            read -r line <&"${XEV[0]}"
            id=$(sed -n 's/.* window \(0x[0-9a-f]*\),.*/\1/p' <<<"$line")
            break
        fi
    done
    kill "$XEV_PID" 2>/dev/null || true
    wait "$XEV_PID" 2>/dev/null || true
    [[ -n ${t1:-} ]] || { echo "no window was mapped" >&2; return 1; }
    # The mapped window must be the game's own.
    [[ $(xdotool getwindowname "$((id))" 2>/dev/null) == Quazzle ]] ||
        { echo "the first window mapped was not the game's" >&2; return 1; }
    sleep 0.3
    stop_game
    painted=$(grep -m1 '|Flushing QRegion' "$LOG" | cut -d'|' -f1) ||
        { echo "no paint was logged" >&2; return 1; }
    awk -v a="$t0" -v b="$t1" -v p="$(date -d "$painted" +%s.%N)" \
        'BEGIN { printf "%.1f %.1f\n", 1000 * (b - a), 1000 * (p - a) }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

time_one_launch >/dev/null # warm-up: caches, fonts
mapped=()
painted=()
for i in $(seq "$RUNS"); do
    read -r m p < <(time_one_launch) || true
    [[ -n ${p:-} ]] || { echo "run $i failed" >&2; exit 1; }
    mapped+=("$m")
    painted+=("$p")
done
echo "launch to mapped window (ms):      ${mapped[*]}"
echo "launch to first painted frame (ms): ${painted[*]}"
echo "start-up median, ${RUNS} warm runs: mapped $(printf '%s\n' "${mapped[@]}" | median) ms," \
    "first frame $(printf '%s\n' "${painted[@]}" | median) ms"

launch_game
sleep "$RSS_AFTER"
kill -0 "$GAME_PID" 2>/dev/null || { echo "the game ended early" >&2; exit 1; }
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$GAME_PID/status")
hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$GAME_PID/status")
stop_game
awk -v r="$rss" -v h="$hwm" -v s="$RSS_AFTER" \
    'BEGIN { printf "resident memory %s s after launch: VmRSS %.1f MB (peak VmHWM %.1f MB)\n", s, r / 1024, h / 1024 }'
