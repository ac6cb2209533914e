#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An install into a temporary prefix holds the programs, the module of the
# window «Характеристики» and the sweep's picture module where the programs
# look for them, the manual pages, the bash completion, the desktop entry,
# its metainfo, its icons at every size, the changelog and the copyright
# file.
set -euo pipefail
build=$1 app_id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=(
  bin/detector-lab
  bin/detector-lab-sweep
  bin/detector-lab-report
  lib/detector-lab/modules/detector-lab-analysis.so
  lib/detector-lab/modules/detector-lab-sweep-plot.so
  share/man/man1/detector-lab.1.gz
  share/man/man1/detector-lab-sweep.1.gz
  share/man/man1/detector-lab-report.1.gz
  share/bash-completion/completions/detector-lab-sweep
  share/bash-completion/completions/detector-lab-report
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  share/icons/hicolor/scalable/apps/detector-lab.svg
  share/doc/detector-lab/changelog.gz
  share/doc/detector-lab/copyright
)
for size in 16 24 32 48 64 128 256 512; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/detector-lab.png")
done
status=0
for file in "${expected[@]}"; do
  if [ -f "$prefix/$file" ]; then echo "installed: $file"; else echo "MISSING: $file" >&2; status=1; fi
done
# Each icon is as large as its folder says.
for size in 16 24 32 48 64 128 256 512; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/detector-lab.png
  [ ! -f "$icon" ] || file "$icon" | grep -q "PNG image data, $size x $size," \
    || { echo "the icon in ${size}x${size} is $(file -b "$icon")" >&2; status=1; }
done
file "$prefix/share/icons/hicolor/scalable/apps/detector-lab.svg" | grep -q 'SVG' || { echo "the scalable icon is no SVG" >&2; status=1; }
# Compressed for good: gzip's most, without a name or a time stamp.
for gz in share/man/man1/detector-lab.1.gz share/doc/detector-lab/changelog.gz; do
  [ ! -f "$prefix/$gz" ] || file "$prefix/$gz" | grep -q 'max compression' && ! file "$prefix/$gz" | grep -q 'was "' \
    || { echo "$gz: $(file -b "$prefix/$gz")" >&2; status=1; }
done
[ -x "$prefix/bin/detector-lab" ] || status=1
"$prefix/bin/detector-lab-sweep" --seed 1 >/dev/null || { echo "the installed sweep does not run" >&2; status=1; }
"$prefix/bin/detector-lab-report" --version >/dev/null || { echo "the installed report does not run" >&2; status=1; }
# The module exports the windows' factories, and the program looks for it in
# the folder it was installed to, relative to the program's own.
for factory in dl_new_characteristics_window dl_new_report_window; do
  nm -D --defined-only "$prefix/lib/detector-lab/modules/detector-lab-analysis.so" | grep -w $factory >/dev/null \
    || { echo "the module does not export $factory" >&2; status=1; }
done
strings "$prefix/bin/detector-lab" | grep '\.\./lib/detector-lab/modules$' >/dev/null \
  || { echo "the program does not look for the module in ../lib/detector-lab/modules" >&2; status=1; }
# The installed sweep draws through its installed picture module.
"$prefix/bin/detector-lab-sweep" --seed 1 --plot "$prefix/p.png" >/dev/null && file "$prefix/p.png" | grep -q 'PNG image data' \
  || { echo "the installed sweep draws no picture" >&2; status=1; }
# The program names its desktop entry, so the desktop ties its window to it.
strings -el "$prefix/bin/detector-lab" | grep -x "$app_id" >/dev/null || { echo "the program does not name $app_id" >&2; status=1; }
exit $status
