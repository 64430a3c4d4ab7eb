#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# Wake-ups, memory and start-up of the game against three reference windows of the game's size
# (bench/reference_window.cpp): (a) bare, (b) repainting a 9 x 1 px strip 30 times a second,
# (c) the same 64 times a second. In one run, alternating, ROUNDS rounds (default 5):
#  - CPU and context switches a second, every thread of the process, with `perf stat` where it
#    works, else from /proc (see count_with_perf), over DURATION seconds (default 8): the real
#    game with no input from 0.7 s after "Start Game" (it ends at 10.75 s), and the demo from 5 s
#    after launch; at QT_SCALE_FACTOR 1 and 2, and the demo at 1 without a sound device
#    (silent-demo), which tells the sound mixer's share; the references at 1 and (b) at 2;
#  - PSS (/proc/PID/smaps_rollup) 5 s after launch, the demo playing, against (a), and the
#    process's private memory (Private_Clean + Private_Dirty), which does not depend on how many
#    other processes share the same libraries;
#  - launch to window mapped (xev MapNotify on the root), median of LAUNCHES (default 9).
# Then means, and ratios to the references. BEFORE_DIR names a second build tree of the game
# (for example an older commit) measured alongside, as "before".
# Targets: CPU within 1.3x and context switches within 1.5x of (b); PSS within 1.6x of (a);
# launch to mapped within 1.5x of (a).
# A desktop session has a session bus. Without one, a Qt program starts a bus of its own
# (dbus-launch) the first time it asks whether assistive technology listens: the game does so
# as its event loop starts, before its window maps, the bare window only after. So the run gets a
# session bus of its own, unless NO_SESSION_BUS=1.
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} && ${NO_SESSION_BUS:-0} != 1 ]] &&
    command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- bash "$0" "$@"
fi
# shellcheck source=common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
ROUNDS=${ROUNDS:-5}
DURATION=${DURATION:-8}
LAUNCHES=${LAUNCHES:-9}
BEFORE_DIR=${BEFORE_DIR:-}
REF=$BUILD_DIR/bench/reference_window_

ensure_built quazzle reference_window_0 reference_window_30 reference_window_64
start_display
machine_line
RESULTS=$(mktemp)
trap 'rm -f "$RESULTS"; cleanup' EXIT

# perf when it may count this user's processes (linux-perf), else /proc.
PERF=0
perf stat -e task-clock,context-switches -- true >/dev/null 2>&1 && PERF=1
echo "counting with $([[ $PERF == 1 ]] && echo perf || echo /proc samples)"

declare -A PROGRAM=([a]="${REF}0" [b]="${REF}30" [c]="${REF}64" [game]="$GAME")
[[ -n $BEFORE_DIR ]] && PROGRAM[before]=$BEFORE_DIR/src/app/quazzle
titled() { [[ $1 == [abc] ]] && echo Reference || echo Quazzle; }

# Context switches of every thread of $1 so far, threads that ended included: per-thread counts
# are kept in the associative array SWITCHES, refreshed by each call.
declare -A SWITCHES
sample_switches() {
    local line tid count
    while read -r line; do
        tid=${line%% *}
        count=${line##* }
        SWITCHES[$tid]=$count
    done < <(awk '/ctxt_switches/ { n[FILENAME] += $2 }
                  END { for (f in n) { split(f, p, "/"); print p[5], n[f] } }' \
        /proc/"$1"/task/*/status 2>/dev/null)
}
total_switches() {
    local sum=0 v
    for v in "${SWITCHES[@]}"; do sum=$((sum + v)); done
    echo "$sum"
}

# One measured run: program key, mode (idle, demo, silent-demo: the demo without a sound
# device, or game), scale. Appends "key mode scale cpu_percent switches_per_s [pss_kb
# private_kb]" to RESULTS.
measure() {
    local key=$1 mode=$2 scale=$3 launched win pss="" drivers=$ALSOFT_DRIVERS
    [[ $mode == silent-demo ]] && drivers=none
    launched=$EPOCHREALTIME
    QT_SCALE_FACTOR=$scale ALSOFT_DRIVERS=$drivers "${PROGRAM[$key]}" >/dev/null 2>&1 &
    GAME_PID=$!
    STARTED_PIDS+=("$GAME_PID")
    win=$(wait_window "$(titled "$key")" 10) || { echo "$key never showed" >&2; return 1; }
    if [[ $mode == game ]]; then
        sleep 1
        # The start button's centre, (184, 170) in window pixels.
        xdotool mousemove --window "$win" "$((184 * scale))" "$((170 * scale))" click 1
        sleep 0.7
    else
        # 5 s after launch for the memory figure, at scale 1; the run is measured after it.
        sleep_until "$launched" 5
        # Memory with the sound device open, as the game runs.
        [[ $scale == 1 && $mode != silent-demo ]] &&
            pss=$(awk '/^Pss:/ { p = $2 } /^Private_(Clean|Dirty):/ { u += $2 }
                       END { print p, u }' "/proc/$GAME_PID/smaps_rollup")
    fi
    if [[ $PERF == 1 ]]; then
        count_with_perf
    else
        count_from_proc
    fi
    stop_game
    awk -v k="$key" -v m="$mode" -v x="$scale" -v c="$CPU_S" -v s="$SWITCHED" -v d="$SPAN" \
        -v p="$pss" 'BEGIN { printf "%s %s %s %.2f %.1f %s\n", k, m, x, 100 * c / d, s / d, p }' \
        >>"$RESULTS"
}

# Both set CPU_S (seconds on a core), SWITCHED and SPAN (seconds) for GAME_PID over DURATION.
# perf counts every thread to the nanosecond, one that starts and ends within the span included
# (OpenAL Soft 1.19 starts a mixer thread for each sound, which lives about as long as the
# sound); /proc counts CPU in clock ticks and sees a thread's switches only if a 0.25 s sample
# finds it alive.
count_with_perf() {
    local counts
    counts=$(perf stat -x, -e task-clock,context-switches -p "$GAME_PID" -- sleep "$DURATION" \
        2>&1 >/dev/null)
    CPU_S=$(awk -F, '$3 == "task-clock" { print $1 / 1000 }' <<<"$counts")
    SWITCHED=$(awk -F, '$3 == "context-switches" { print $1 }' <<<"$counts")
    SPAN=$DURATION
}
count_from_proc() {
    local c0 c1 s0 t0 end
    SWITCHES=()
    c0=$(cpu_ticks "$GAME_PID")
    sample_switches "$GAME_PID"
    s0=$(total_switches)
    t0=$EPOCHREALTIME
    end=$(awk -v t="$t0" -v d="$DURATION" 'BEGIN { printf "%.3f", t + d }')
    while awk -v e="$end" -v n="$EPOCHREALTIME" 'BEGIN { exit !(n < e) }'; do
        sleep 0.25
        sample_switches "$GAME_PID"
    done
    c1=$(cpu_ticks "$GAME_PID")
    CPU_S=$(awk -v c="$((c1 - c0))" -v hz="$CLK_TCK" 'BEGIN { print c / hz }')
    SWITCHED=$(($(total_switches) - s0))
    SPAN=$(awk -v a="$t0" -v b="$EPOCHREALTIME" 'BEGIN { print b - a }')
}

sleep_until() {
    local left
    left=$(awk -v a="$1" -v d="$2" -v n="$EPOCHREALTIME" 'BEGIN { l = a + d - n; print (l > 0) ? l : 0 }')
    sleep "$left"
}

# Launch to mapped window, in ms, for program key $1.
time_to_mapped() {
    local line t0 t1=""
    coproc XEV { exec stdbuf -oL xev -root -event substructure -event property; }
    STARTED_PIDS+=("$XEV_PID")
    until [[ ${line:-} == PropertyNotify* ]]; do
        xprop -root -f QUAZZLE_BENCH 8s -set QUAZZLE_BENCH ready
        read -r -t 0.5 line <&"${XEV[0]}" || true
    done
    t0=$EPOCHREALTIME
    "${PROGRAM[$1]}" >/dev/null 2>&1 &
    GAME_PID=$!
    STARTED_PIDS+=("$GAME_PID")
    while read -r -t 10 line <&"${XEV[0]}"; do
        [[ $line == MapNotify* ]] && { t1=$EPOCHREALTIME; break; }
    done
    kill "$XEV_PID" 2>/dev/null || true
    wait "$XEV_PID" 2>/dev/null || true
    sleep 0.3
    stop_game
    [[ -n $t1 ]] && awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1f\n", 1000 * (b - a) }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

GAMES=(game)
[[ -n $BEFORE_DIR ]] && GAMES=(before game)
RUNS=("a idle 1" "b idle 1" "c idle 1" "b idle 2")
for g in "${GAMES[@]}"; do
    RUNS+=("$g game 1" "$g demo 1" "$g silent-demo 1" "$g game 2" "$g demo 2")
done
for round in $(seq "$ROUNDS"); do
    echo "round $round of $ROUNDS, load average $(cut -d' ' -f1-3 /proc/loadavg)"
    for run in "${RUNS[@]}"; do
        # shellcheck disable=SC2086
        measure $run
    done
done

declare -A MAPPED
for key in a "${GAMES[@]}"; do MAPPED[$key]=""; done
for _ in $(seq "$LAUNCHES"); do
    for key in a "${GAMES[@]}"; do MAPPED[$key]+="$(time_to_mapped "$key") "; done
done

echo
echo "each run: key mode scale cpu% switches/s [pss kB, private kB]"
cat "$RESULTS"
echo
# Means per key, mode and scale; ratios against (b) at the same scale, PSS against (a).
awk '{ k = $1 " " $2 " " $3; cpu[k] += $4; cs[k] += $5; n[k]++
       if ($6 != "") { pss[$1] += $6; uss[$1] += $7; pn[$1]++ } }
     END {
       printf "%-16s %8s %10s %10s %10s\n", "run", "CPU %", "switch/s", "CPU/(b)", "sw/(b)"
       for (k in n) {
         split(k, f, " "); b = "b idle " f[3]
         printf "%-16s %8.2f %10.1f %10.2f %10.2f\n", k, cpu[k] / n[k], cs[k] / n[k],
                (cpu[b] > 0) ? (cpu[k] / n[k]) / (cpu[b] / n[b]) : 0, (cs[k] / n[k]) / (cs[b] / n[b])
       }
       for (p in pn) printf "PSS 5 s after launch, %-6s %7.1f MB (%.2fx of (a)), private %6.1f MB (%.2fx)\n",
                            p, pss[p] / pn[p] / 1024, pss[p] / pss["a"] * pn["a"] / pn[p],
                            uss[p] / pn[p] / 1024, uss[p] / uss["a"] * pn["a"] / pn[p]
     }' "$RESULTS" | sort
a_mapped=$(tr ' ' '\n' <<<"${MAPPED[a]}" | grep . | median)
for key in a "${GAMES[@]}"; do
    m=$(tr ' ' '\n' <<<"${MAPPED[$key]}" | grep . | median)
    echo "launch to mapped, $key: median $m ms of ${MAPPED[$key]}($(awk -v m="$m" -v a="$a_mapped" 'BEGIN { printf "%.2f", m / a }')x of (a))"
done
