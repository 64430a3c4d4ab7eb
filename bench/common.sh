# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# shellcheck shell=bash
# Shared by the bench scripts (sourced, not run): build, a private X display, the game's process.
# Settings from the environment:
#   BUILD_DIR  build tree (default: build/ beside bench/)
#   NO_BUILD   set to 1 to use the binaries as they are
#   BENCH_DISPLAY  X display to use (default :77); Xvfb is started on it when nothing answers there

set -euo pipefail

BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT_DIR=$(dirname "$BENCH_DIR")
BUILD_DIR=${BUILD_DIR:-$ROOT_DIR/build}
BENCH_DISPLAY=${BENCH_DISPLAY:-:77}
GAME=$BUILD_DIR/src/app/quazzle
CLK_TCK=$(getconf CLK_TCK)

export ALSOFT_DRIVERS=null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Processes this script started; each is ended by its own id on exit.
STARTED_PIDS=()
cleanup() {
    local pid
    for pid in "${STARTED_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

ensure_built() {
    [[ ${NO_BUILD:-0} == 1 ]] && return 0
    cmake --build "$BUILD_DIR" -j2 --target "$@" >/dev/null
}

start_display() {
    export DISPLAY=$BENCH_DISPLAY
    if xdpyinfo >/dev/null 2>&1; then return 0; fi
    # -noreset: a server that resets when its last client leaves refuses clients for a moment.
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    STARTED_PIDS+=("$XVFB_PID")
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# Starts the game; sets GAME_PID.
launch_game() {
    "$GAME" >/dev/null 2>&1 &
    GAME_PID=$!
    STARTED_PIDS+=("$GAME_PID")
}

stop_game() {
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
}

# Prints the id of the visible window titled exactly $1, waiting up to $2 seconds.
wait_window() {
    local name=$1 limit=${2:-10} id
    local deadline=$((SECONDS + limit))
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -1) || true
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# User plus system time of process $1, in clock ticks.
cpu_ticks() {
    # Fields after the command name, which sits in parentheses.
    local rest
    rest=$(sed 's/^.*) //' "/proc/$1/stat")
    awk '{print $12 + $13}' <<<"$rest"
}

now_s() { echo "$EPOCHREALTIME"; }

# Percent of one core used by process $1 over $2 seconds; prints "percent ticks seconds".
measure_cpu() {
    local pid=$1 duration=$2 t0 t1 c0 c1
    c0=$(cpu_ticks "$pid")
    t0=$(now_s)
    sleep "$duration"
    c1=$(cpu_ticks "$pid")
    t1=$(now_s)
    awk -v c="$((c1 - c0))" -v hz="$CLK_TCK" -v t0="$t0" -v t1="$t1" \
        'BEGIN { s = t1 - t0; printf "%.2f %d %.3f\n", 100 * c / hz / s, c, s }'
}

machine_line() {
    echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
        "load average $(cut -d' ' -f1-3 /proc/loadavg) (shared, noisy)"
}
