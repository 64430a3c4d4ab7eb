#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# Lays out the page with the stand-in game module, as the real build would lay it out with the
# game's: the page's files, quazzle.js, the pictures at every ratio, the icons and the font.
# Usage: tests/web/make-site.sh OUTDIR [BUILDDIR]   (BUILDDIR has the game built: build/)
# It needs the pictures' tools: cmake --build BUILDDIR --target draw_pictures make_icons
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
out="$1"
build="$(cd "${2:-$repo/build}" && pwd)"
tools="$build/resources/pictures"
[ -x "$tools/draw_pictures" ] || tools="$build/quazzle/resources/pictures"
for tool in draw_pictures make_icons; do
    [ -x "$tools/$tool" ] || { echo "make-site: no $tool in $build" >&2; exit 1; }
done
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
command -v woff2_compress > /dev/null || { echo "make-site: needs woff2_compress (woff2)" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out/pictures" "$out/fonts"
cp "$repo"/web/*.html "$repo"/web/*.css "$repo"/web/*.js "$out/"
cp "$here/fake/quazzle.js" "$out/quazzle.js"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch"
for ratio in 1 1.25 1.5 1.75 2 2.5 3; do
    mkdir -p "$scratch/$ratio"
    "$tools/draw_pictures" "$scratch/$ratio" "$ratio" > /dev/null
    for name in instructions bomb_outline bomb_solid cherry; do
        cp "$scratch/$ratio/$name.png" "$out/pictures/${name//_/-}-${ratio}x.png"
    done
done
"$tools/make_icons" "$scratch/icons" io.github.quazzle.Quazzle 32 192 > /dev/null
cp "$scratch/icons/32x32/apps/io.github.quazzle.Quazzle.png" "$out/pictures/icon-32.png"
cp "$scratch/icons/192x192/apps/io.github.quazzle.Quazzle.png" "$out/pictures/icon-192.png"

cp "$font" "$scratch/dejavu-sans-bold.ttf"
woff2_compress "$scratch/dejavu-sans-bold.ttf" > /dev/null
cp "$scratch/dejavu-sans-bold.woff2" "$out/fonts/"
echo "$out"
