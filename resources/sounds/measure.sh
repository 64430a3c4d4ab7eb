#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# Prints the loudness table of the recordings in WAVE_DIR as the game plays them.
# Needs ffmpeg and sox.
#
# Usage: resources/sounds/measure.sh WAVE_DIR [MAKE_SOUNDS]
# MAKE_SOUNDS, the tool that wrote them, names the recordings; by default the one beside WAVE_DIR
# in the build tree.
set -eu

dir=${1:?usage: measure.sh WAVE_DIR [MAKE_SOUNDS]}
make_sounds=${2:-$dir/../make_sounds}
heard=$(mktemp -d)
trap 'rm -rf "$heard"' EXIT

# name, route and the gain the game plays it at
routes=$("$make_sounds" --routes)

# The value on the line "    <label>: <value> <unit>" of section "<section>:" in ffmpeg's summary.
summary() {
    awk -v section="$1" -v label="$2" '
        $0 ~ "^  " section ":" { inside = 1; next }
        inside && $1 == label ":" { print $2; exit }'
}

echo "| Sound | Route | Gain | Loudness as heard (LUFS) | Sample peak in file (dBFS) | True peak in file (dBTP) | RMS as heard (dBFS) |"
echo "| --- | --- | --- | --- | --- | --- | --- |"
echo "$routes" | while read -r name route gain; do
    file="$dir/$name.wav"
    out="$heard/$name.wav"
    # -D: no dither, so the quieter copy holds exactly the scaled samples.
    sox -D "$file" "$out" vol "$gain"
    seconds=$(soxi -D "$file")
    # Shorter than one 400 ms block: the whole sound is the block. ffmpeg measures it padded with
    # silence to exactly one block; the padding's share of the mean square is then taken back out.
    correction=$(awk -v s="$seconds" 'BEGIN { print (s < 0.4) ? 10 * log(0.4 / s) / log(10) : 0 }')
    loudness=$(ffmpeg -nostdin -nostats -hide_banner -i "$out" -af apad=whole_len=17640,ebur128=peak=sample \
        -f null - 2>&1 | summary "Integrated loudness" I)
    loudness=$(awk -v l="$loudness" -v c="$correction" 'BEGIN { printf "%.1f", l + c }')
    peaks=$(ffmpeg -nostdin -nostats -hide_banner -i "$file" -af ebur128=peak=sample+true -f null - 2>&1)
    sample=$(echo "$peaks" | summary "Sample peak" Peak)
    true_peak=$(echo "$peaks" | summary "True peak" Peak)
    rms=$(sox "$out" -n stats 2>&1 | awk '/^RMS lev dB/ { printf "%.1f", $4 }')
    echo "| $name | $route | $gain | $loudness | $sample | $true_peak | $rms |"
done
