#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up, memory and measurement figures of detector-lab, side by side with
# an empty Qt Widgets window built the same way, in a virtual display.
#   ui/benchmarks/startup.sh [build folder, default build] [runs, default 10]
# Start-up is the time from the start of the process until its main window is
# painted on the display, watched from outside; peak memory is the process's
# peak resident set. Each figure is the median of the runs, after one run
# that warms the file cache; the two programs take turns, so that a ratio
# compares runs made under the same load.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
runs=${2:-10}

if [ -z "${DL_BENCH_DISPLAY_READY:-}" ]; then
  cmake --build "$build" --target detector-lab empty-window window-probe measurement-probe >/dev/null
  DL_BENCH_DISPLAY_READY=1 exec "$here/../../tools/testsupport/with-display.sh" "$0" "$build" "$runs"
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# The measurements' journal goes to a folder of its own, not the user's.
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
export QT_LOGGING_RULES="qt.qpa.*=false"

probe=$build/ui/benchmarks/window-probe
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Runs the two programs in turn, one run of each at a time, so that both
# meet the same load of the machine; after one run of each that warms the
# file cache, collects the probe's lines ("<ms> <peak KiB> <status>") in $lab
# and $empty.
lab="" empty=""
"$probe" "Лабораторная работа" "$build/ui/detector-lab" >/dev/null
"$probe" "empty-window" "$build/ui/benchmarks/empty-window" >/dev/null
for run in $(seq "$runs"); do
  lab+="$("$probe" "Лабораторная работа" "$build/ui/detector-lab" || true)"$'\n'
  empty+="$("$probe" "empty-window" "$build/ui/benchmarks/empty-window" || true)"$'\n'
done
median_of() { printf %s "$1" | cut -d' ' -f"$2" | median; }
lab_ms=$(median_of "$lab" 1) lab_kib=$(median_of "$lab" 2)
empty_ms=$(median_of "$empty" 1) empty_kib=$(median_of "$empty" 2)

echo "Start-up under Xvfb, median of $runs runs"
printf "%-28s %14s %14s %8s\n" "" "detector-lab" "empty window" "ratio"
printf "%-28s %11s ms %11s ms %8s\n" "start to main window shown" "$lab_ms" "$empty_ms" \
  "$(awk -v a="$lab_ms" -v b="$empty_ms" 'BEGIN { printf "%.2f", a / b }')"
printf "%-28s %11s MB %11s MB %8s\n" "peak resident memory" \
  "$(awk -v k="$lab_kib" 'BEGIN { printf "%.1f", k / 1024 }')" \
  "$(awk -v k="$empty_kib" 'BEGIN { printf "%.1f", k / 1024 }')" \
  "$(awk -v a="$lab_kib" -v b="$empty_kib" 'BEGIN { printf "%.2f", a / b }')"
echo
echo "One measurement, click on \"Выполнить измерение\" to the result painted"
"$build/ui/benchmarks/measurement-probe" 20
