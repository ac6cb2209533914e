#!/usr/bin/env bash
# An install into a temporary prefix holds the programs, the module of the
# window «Характеристики» where the program looks for it, the desktop entry,
# its metainfo and its icons.
set -euo pipefail
build=$1 app_id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=(
  bin/detector-lab
  bin/detector-lab-sweep
  lib/detector-lab/detector-lab-analysis.so
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  share/icons/hicolor/48x48/apps/detector-lab.png
  share/icons/hicolor/32x32/apps/detector-lab.png
)
status=0
for file in "${expected[@]}"; do
  if [ -f "$prefix/$file" ]; then echo "installed: $file"; else echo "MISSING: $file" >&2; status=1; fi
done
[ -x "$prefix/bin/detector-lab" ] || status=1
"$prefix/bin/detector-lab-sweep" --seed 1 >/dev/null || { echo "the installed sweep does not run" >&2; status=1; }
# The module exports the window's factory, and the program looks for it in
# the folder it was installed to, relative to the program's own.
nm -D --defined-only "$prefix/lib/detector-lab/detector-lab-analysis.so" | grep -w dl_new_characteristics_window >/dev/null \
  || { echo "the module does not export its factory" >&2; status=1; }
strings "$prefix/bin/detector-lab" | grep '\.\./lib/detector-lab$' >/dev/null \
  || { echo "the program does not look for the module in ../lib/detector-lab" >&2; status=1; }
# The program names its desktop entry, so the desktop ties its window to it.
strings -el "$prefix/bin/detector-lab" | grep -x "$app_id" >/dev/null || { echo "the program does not name $app_id" >&2; status=1; }
exit $status
