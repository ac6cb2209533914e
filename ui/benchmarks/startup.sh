#!/usr/bin/env bash
# Start-up, memory and measurement figures of detector-lab, side by side with
# an empty Qt Widgets window built the same way, in a virtual display.
#   ui/benchmarks/startup.sh [build folder, default build] [runs, default 10]
# Start-up is the time from the start of the process until its main window is
# painted on the display, watched from outside; peak memory is the process's
# peak resident set. Each figure is the median of the runs, after one run
# that warms the file cache.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
runs=${2:-10}

if [ -z "${DL_BENCH_DISPLAY_READY:-}" ]; then
  cmake --build "$build" --target detector-lab empty-window window-probe measurement-probe >/dev/null
  DL_BENCH_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# The measurements' journal goes to a folder of its own, not the user's.
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
export QT_LOGGING_RULES="qt.qpa.*=false"

probe=$build/ui/benchmarks/window-probe
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Prints "<median ms> <median peak KiB>" for a program and its window title.
measure() {
  local title=$1 program=$2 run times="" memory=""
  "$probe" "$title" "$program" >/dev/null
  for run in $(seq "$runs"); do
    read -r ms kib _ < <("$probe" "$title" "$program")
    times+="$ms"$'\n'
    memory+="$kib"$'\n'
  done
  echo "$(printf %s "$times" | median) $(printf %s "$memory" | median)"
}

read -r lab_ms lab_kib < <(measure "Лабораторная работа" "$build/ui/detector-lab")
read -r empty_ms empty_kib < <(measure "empty-window" "$build/ui/benchmarks/empty-window")

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
