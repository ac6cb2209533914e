#!/usr/bin/env bash
# The program as a user starts it: exit statuses, one-line messages on
# standard error, and no file left behind by a bad option.
set -u
sweep=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
failures=0

expect() { # status, then the command's arguments
  local want=$1; shift
  "$sweep" "$@" >"$folder/out" 2>"$folder/err"
  local got=$?
  local lines
  lines=$(wc -l <"$folder/err")
  if [ "$got" -ne "$want" ]; then
    echo "FAIL: $* exited $got, not $want"; failures=$((failures + 1))
  elif [ "$want" -eq 2 ] && [ "$lines" -ne 1 ]; then
    echo "FAIL: $* said $lines lines:"; cat "$folder/err"; failures=$((failures + 1))
  fi
}

expect 0 --help
expect 0 --seed 5 --threshold 0:100:50 --csv "$folder/table.csv"
grep -q '^distinction1,1 1 1,1,2,1,50,1000,' "$folder/table.csv" || { echo "FAIL: CSV row missing"; failures=$((failures + 1)); }
rm -f "$folder/table.csv"

for bad in "--experiment alarms" "--signal1 0" "--signal2 5" "--gain -1" "--gain inf" "--gain nan" \
           "--threshold 10:0:1" "--threshold 0:10:0" "--threshold ''" "--trials 999" "--seed x" \
           "--threads 0" "--csv $folder/none/t.csv" "--plot $folder/none/p.png" "--plot $folder/p.gif" \
           "--frobnicate" "--gain"; do
  eval "expect 2 --csv $folder/t.csv --plot $folder/p.png $bad"
done
leftovers=$(find "$folder" -mindepth 1 ! -name out ! -name err | wc -l)
[ "$leftovers" -eq 0 ] || { echo "FAIL: a bad option left files behind"; find "$folder"; failures=$((failures + 1)); }

expect 0 --seed 5 --experiment detection,false-alarms --threshold 0:40:10 --plot "$folder/roc.png"
[ -s "$folder/roc.png" ] || { echo "FAIL: no picture"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "all command-line checks passed"
exit "$failures"
