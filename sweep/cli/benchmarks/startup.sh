#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The wall time of a one-point, 1000-trial table run of detector-lab-sweep
# against the least C++ program and a program of Qt Core alone, built the
# same way: medians of many runs, the three taking turns, with the ratios
# (target: the table run within 5 times the minimal program's wall time).
# Also the libraries each start loads.
#   sweep/cli/benchmarks/startup.sh [build folder, default build] [runs, default 201]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../../build}")
runs=${2:-201}
cmake --build "$build" --target detector-lab-sweep minimal-program qtcore-program process-timer >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
benchmarks=$build/sweep/cli/benchmarks
sweep=$build/sweep/cli/detector-lab-sweep
one_point=("$sweep" --experiment distinction1 --gain 1 --threshold 0 --trials 1000 --seed 1)

cpu() { lscpu | sed -n "s/^$1: *//p"; }
echo "CPU: $(cpu 'Model name'), family $(cpu 'CPU family') model $(cpu Model), $(nproc) CPUs"
libraries() { LD_DEBUG=files "$@" 2>&1 >/dev/null | grep -c 'calling init:' || true; }
echo "libraries loaded: minimal $(libraries "$benchmarks/minimal-program")," \
  "Qt Core $(libraries "$benchmarks/qtcore-program"), table run $(libraries "${one_point[@]}")," \
  "--help $(libraries "$sweep" --help), picture $(libraries "$sweep" --seed 1 --plot "$scratch/picture.png")"
echo "Medians of $runs runs each, taking turns:"
"$benchmarks/process-timer" "$runs" "$benchmarks/minimal-program" -- "$benchmarks/qtcore-program" -- "${one_point[@]}"
