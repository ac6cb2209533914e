#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# detector-lab-report as a shell runs it, without a display: a journal the
# laboratory program kept gets its PDF, and the exit status says that it
# reproduced.
#   report.sh DETECTOR-LAB-REPORT
set -uo pipefail
report=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
status=0
cat >"$folder/j.csv" <<'JOURNAL'
# detector-lab journal 1; seed 101; detector-lab 1.0.0
№,время,К1,К2,К3,эксперимент,сигнал 1,сигнал 2,K,H (мВ),регистратор (мВ*мВ),количество опытов,счётчик,частота,нижняя граница 95 %,верхняя граница 95 %,теория,вердикт
1,2026-12-09T00:19:22+00:00,1,1,1,"различение, послан сигнал 1",1,2,1,0,0,1000,1000,1,0.9962,1.0000,1.0000,согласуется
2,2026-12-09T00:19:23+00:00,1,1,1,"различение, послан сигнал 1",1,2,1,0,0,1000,1000,1,0.9962,1.0000,1.0000,согласуется
JOURNAL
"$report" "$folder/j.csv" -o "$folder/r.pdf" >"$folder/out" 2>"$folder/err"
got=$?
[ "$got" -eq 0 ] && head -c 4 "$folder/r.pdf" | grep -q '%PDF' \
  || { echo "FAIL: a report without a display: status $got"; cat "$folder/err"; status=1; }
grep -q "every row reproduces" "$folder/out" || { echo "FAIL: $(cat "$folder/out")"; status=1; }
exit $status
