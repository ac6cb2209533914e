#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a user starts it: exit statuses, one-line messages on
# standard error, no file left behind by a bad option, failing standard
# output, limits, interruptions, progress. Outputs that are not regular files
# are checked with their writer (WholeFileTest).
#   cli.sh PROGRAM [SANITIZED]   SANITIZED=1: the program is built with AddressSanitizer
set -u
sweep=$1
sanitized=${2:-0}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect() { # status, then the command's arguments
  local want=$1; shift
  "$sweep" "$@" >"$folder/out" 2>"$folder/err"
  local got=$?
  local lines
  lines=$(wc -l <"$folder/err")
  if [ "$got" -ne "$want" ]; then
    fail "$* exited $got, not $want"; cat "$folder/err"
  elif [ "$want" -ne 0 ] && [ "$lines" -ne 1 ]; then
    fail "$* said $lines lines:"; cat "$folder/err"
  fi
}

expect 0 --help
expect 0 --version
expect 0 --seed 5 --threshold 0:100:50 --csv "$folder/table.csv"
grep -q '^distinction1,1 1 1,1,2,1,50,1000,' "$folder/table.csv" || fail "CSV row missing"
[ -s "$folder/err" ] && fail "something on standard error, which is no terminal"
rm -f "$folder/table.csv"

for bad in "--experiment alarms" "--signal1 0" "--signal2 5" "--gain -1" "--gain inf" "--gain nan" \
           "--threshold 10:0:1" "--threshold 0:10:0" "--threshold ''" "--trials 999" "--seed x" \
           "--threads 0" "--csv $folder/none/t.csv" "--plot $folder/none/p.png" "--plot $folder/p.gif" \
           "--frobnicate" "--gain"; do
  eval "expect 2 --csv $folder/t.csv --plot $folder/p.png $bad"
done
leftovers=$(find "$folder" -mindepth 1 ! -name out ! -name err | wc -l)
[ "$leftovers" -eq 0 ] || { fail "a bad option left files behind"; find "$folder"; }

expect 0 --seed 5 --experiment detection,false-alarms --threshold 0:40:10 --plot "$folder/roc.png"
[ -s "$folder/roc.png" ] || fail "no picture"

# A name that is not UTF-8 would reach the disk as U+FFFD and write over this file.
echo other >"$folder/$(printf '\xef\xbf\xbd').png"
expect 2 --seed 1 --csv "$folder/$(printf '\xff').png" --plot "$folder/$(printf '\xfe').png"
[ "$(cat "$folder/$(printf '\xef\xbf\xbd').png")" = other ] || fail "a non-UTF-8 name wrote over another file"

# --verify: what is no journal gets one line and status 2 (VerifyCommandTest
# checks journals themselves).
expect 2 --verify "$folder/$(printf '\xff').csv"
expect 2 --verify "$folder/none.csv"
expect 2 --verify "$folder/table.csv" --seed 1
"$sweep" --seed 5 --csv - >"$folder/sweep.csv" 2>/dev/null
expect 2 --verify "$folder/sweep.csv"
grep -q "line 1: not a Detector Lab journal" "$folder/err" || { fail "a sweep's CSV taken for a journal"; cat "$folder/err"; }

# Qt Gui, Widgets, Charts, SVG and OpenGL come with the picture module, which
# only a picture loads: what the dynamic loader opens tells.
drawing_libraries() { # the command's arguments
  LD_DEBUG=files "$sweep" "$@" 2>&1 >/dev/null | grep -oE 'file=libQt6(Gui|Widgets|Charts|Svg|OpenGL)\.' | sort -u
}
for arguments in "--help" "--version" "--seed 1" "--seed 1 --threshold 0:100:10 --csv $folder/l.csv" \
                 "--verify $folder/sweep.csv"; do
  loaded=$(eval "drawing_libraries $arguments" | tr '\n' ' ')
  [ -z "$loaded" ] || fail "$arguments loads $loaded"
done
[ "$(drawing_libraries --seed 1 --plot "$folder/l.png" | wc -l)" -eq 5 ] || fail "a picture loads not all its libraries"
rm -f "$folder/l.csv" "$folder/l.png"

# A picture module that is missing or damaged: one line and status 1, no
# file written, the program unharmed.
mkdir "$folder/alone"
cp "$sweep" "$folder/alone/"
echo kept >"$folder/kept.csv"
alone() { # the module's state, then the message expected
  "$folder/alone/$(basename "$sweep")" --seed 1 --csv "$folder/kept.csv" --plot "$folder/a.png" \
    >"$folder/out" 2>"$folder/err"
  local got=$?
  [ "$got" -eq 1 ] && [ "$(wc -l <"$folder/err")" -eq 1 ] \
    && grep -q "^detector-lab-sweep: cannot draw $folder/a.png: .*$2" "$folder/err" \
    || { fail "$1 module: exit $got"; cat "$folder/err"; }
  [ ! -e "$folder/a.png" ] && [ "$(cat "$folder/kept.csv")" = kept ] || fail "$1 module: a file was written"
}
alone missing "the picture module .* is missing"
head -c 100000 "$(dirname "$sweep")/detector-lab-sweep-plot.so" >"$folder/alone/detector-lab-sweep-plot.so"
alone "a cut" "the file is cut short"
rm -r "$folder/alone" "$folder/kept.csv"
# A journal of a 60 MiB line is refused in a few lines of memory: the line
# is never held whole (under AddressSanitizer, which reserves far more
# address space, the limit is its own).
{ echo '# detector-lab journal 1; seed 1; detector-lab 1.0.0'; head -c 62914560 /dev/zero | tr '\0' x; echo; } >"$folder/long.csv"
if [ "$sanitized" = 1 ]; then
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:hard_rss_limit_mb=300" "$sweep" --verify "$folder/long.csv" >/dev/null 2>"$folder/err"
else
  (ulimit -v 150000; "$sweep" --verify "$folder/long.csv" >/dev/null 2>"$folder/err")
fi
[ $? -eq 2 ] && grep -q "long.csv line 2: the line is longer than 4096 bytes" "$folder/err" \
  || { fail "a 60 MiB line: status $?"; head -c 300 "$folder/err"; }
rm -f "$folder/long.csv"
# A FIFO is refused at once, never waited on.
mkfifo "$folder/fifo.csv"
timeout 5 "$sweep" --verify "$folder/fifo.csv" >/dev/null 2>"$folder/err"
[ $? -eq 2 ] && grep -q "is not a regular file" "$folder/err" || { fail "a FIFO to --verify"; cat "$folder/err"; }
rm -f "$folder/fifo.csv"

# Standard output that fails: a full device, a closed descriptor.
"$sweep" --seed 1 --csv - >/dev/full 2>"$folder/err"
[ $? -eq 1 ] && [ "$(cat "$folder/err")" = "$(printf 'seed 1\ndetector-lab-sweep: cannot write standard output: No space left on device')" ] \
  || { fail "standard output on a full device"; cat "$folder/err"; }
"$sweep" --help >/dev/full 2>/dev/null; [ $? -eq 1 ] || fail "--help on a full device"
"$sweep" --version >/dev/full 2>/dev/null; [ $? -eq 1 ] || fail "--version on a full device"
"$sweep" --seed 1 --csv "$folder/closed.csv" >&- 2>"$folder/err"
[ $? -eq 1 ] && grep -q '^detector-lab-sweep: cannot write standard output' "$folder/err" \
  || { fail "a closed standard output"; cat "$folder/err"; }
head -1 "$folder/closed.csv" | grep -q '^experiment,' || fail "the table went into the CSV file"

# A file-size limit: a failed write, reported, the old file kept.
echo old >"$folder/big.csv"
(ulimit -f 1; "$sweep" --seed 1 --threshold 0:100:1 --csv "$folder/big.csv" >/dev/null 2>"$folder/err"; echo $? >"$folder/status")
[ "$(cat "$folder/status")" -eq 1 ] && grep -q "cannot write $folder/big.csv: File too large" "$folder/err" \
  || { fail "ulimit -f: status $(cat "$folder/status")"; cat "$folder/err"; }
[ "$(cat "$folder/big.csv")" = old ] || fail "ulimit -f: the old file was lost"

# Pictures of any finite values end, and under a memory limit (under
# AddressSanitizer its own limit, as it reserves far more address space).
for values in "--threshold 50,50.00000000000001" "--experiment noise-power --gain 999.9999999999999,1000" \
              "--threshold -1.7e308,1.7e308" "--threshold 0,1e-320 --gain 0,5e-324" \
              "--experiment detection,false-alarms --threshold 1e300,1e300"; do
  # shellcheck disable=SC2086
  if [ "$sanitized" = 1 ]; then
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:hard_rss_limit_mb=2000" "$sweep" --seed 1 $values --plot "$folder/any.png" >/dev/null 2>&1
  else
    (ulimit -v 2000000; "$sweep" --seed 1 $values --plot "$folder/any.png" >/dev/null 2>&1)
  fi
  [ $? -eq 0 ] || fail "$values: no picture under 2 GB"
done

# Interrupted: no file, one line, 128 + the signal. The signal is sent once
# the program catches it (SigCgt), so no timing is assumed. The process must
# be the program already: until it is, it is a copy of this shell, which
# catches signals of its own (and would run this script's EXIT trap).
set -m # background jobs keep SIGINT as it is
program=$(readlink -f "$sweep")
interrupt() { # signal, status, then the arguments
  local signal=$1 want=$2; shift 2
  "$sweep" "$@" >"$folder/out" 2>"$folder/err" &
  local pid=$! caught=0
  for _ in $(seq 600); do
    # The program first, its signals after: both read once it runs.
    [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ] || { sleep 0.1; continue; }
    mask=$(awk '/^SigCgt/ {print $2}' "/proc/$pid/status" 2>/dev/null)
    [ -n "$mask" ] && [ $((0x$mask & 0x4002)) -eq $((0x4002)) ] && { caught=1; break; }
    sleep 0.1
  done
  if [ "$caught" -ne 1 ]; then
    fail "the program never caught $signal"; kill -KILL "$pid"; wait "$pid"; return
  fi
  kill -s "$signal" "$pid"
  wait "$pid"
  local got=$?
  [ "$got" -eq "$want" ] && [ "$(cat "$folder/err")" = "detector-lab-sweep: interrupted; no file written" ] \
    && [ ! -s "$folder/out" ] || { fail "$signal: exit $got"; cat "$folder/err"; }
}
interrupt INT 130 --seed 1 --threshold 0:999:0.01 --trials 1000000 --csv "$folder/i.csv" --plot "$folder/i.png"
interrupt TERM 143 --seed 1 --threshold 0:999:0.01 --trials 1000000 --csv "$folder/i.csv"
mkfifo "$folder/unread"
interrupt INT 130 --seed 1 --csv "$folder/unread"
[ -e "$folder/i.csv" ] || [ -e "$folder/i.png" ] && fail "an interrupted run left a file"

# --verify ends at a signal too, between rows of a long journal or while
# its summary waits for a FIFO's reader.
verify_interrupt() { # signal, status, what standard error starts with, then the arguments
  local signal=$1 want=$2 said=$3; shift 3
  "$sweep" "$@" >"$folder/out" 2>"$folder/err" &
  local pid=$! caught=0
  for _ in $(seq 600); do
    mask=$(awk '/^SigCgt/ {print $2}' "/proc/$pid/status" 2>/dev/null)
    [ -n "$mask" ] && [ $((0x$mask & 0x4002)) -eq $((0x4002)) ] && { caught=1; break; }
    sleep 0.1
  done
  [ "$caught" -eq 1 ] || { fail "--verify never caught $signal"; kill -KILL "$pid"; wait "$pid"; return; }
  sleep 0.3
  kill -s "$signal" "$pid"
  wait "$pid"
  local got=$?
  [ "$got" -eq "$want" ] && grep -q "^detector-lab-sweep: $said" "$folder/err" \
    || { fail "--verify, $signal: exit $got"; cat "$folder/err"; }
}
{
  echo '# detector-lab journal 1; seed 1; detector-lab 1.0.0'
  echo '№,время,К1,К2,К3,эксперимент,сигнал 1,сигнал 2,K,H (мВ),регистратор (мВ*мВ),количество опытов,счётчик,частота,нижняя граница 95 %,верхняя граница 95 %,теория,вердикт'
  awk 'BEGIN { for (i = 1; i <= 100000; ++i) printf "%d,2026-12-08T16:48:00+00:00,1,2,1,обнаружение,1,2,6,20,0,1000,777,0.777,0.7502,0.8017,0.7601,согласуется\n", i }'
} >"$folder/long.csv"
verify_interrupt INT 130 "interrupted; [0-9]* of 100000 rows replayed" --verify "$folder/long.csv"
verify_interrupt TERM 143 "interrupted; 0 of 1 journals verified" --verify "$folder/long.csv" --csv "$folder/unread"
head -n 5 "$folder/long.csv" >"$folder/short.csv"
verify_interrupt TERM 143 "interrupted; 1 of 1 journals verified" --verify "$folder/short.csv" --csv "$folder/unread"
rm -f "$folder/long.csv" "$folder/short.csv"
[ -p "$folder/unread" ] || fail "the FIFO no one read was replaced"

# On a terminal the progress shows on standard error.
if command -v script >/dev/null; then
  script -qec "'$sweep' --seed 1 --threshold 0:20:1 --csv '$folder/p.csv'" /dev/null </dev/null >"$folder/tty" 2>&1
  grep -q "of 21 points, " "$folder/tty" || { fail "no progress on a terminal"; cat -v "$folder/tty"; }
fi

[ "$failures" -eq 0 ] && echo "all command-line checks passed"
exit "$failures"
