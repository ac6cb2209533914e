#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of a program (detector-lab-sweep, detector-lab-report)
# offers every option its --help lists and no other, each once, and
# completes what each option takes: experiments, shapes, the files of each
# kind.
#   check-completion.sh COMPLETION PROGRAM
set -u
completion=$1 program=$2
name=$(basename "$completion")
function=_${name//-/_}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

compopt() { :; } # only bash's own completion may call the real one
# shellcheck source=/dev/null
source "$completion"
# Completes the words of a command line, the last being the one typed;
# prints the offers sorted, one a line.
offers() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  "$function"
  printf '%s\n' "${COMPREPLY[@]}" | sort
}

listed=$("$program" --help | grep -oE '^  (-[a-z], )?--[a-z0-9-]+' | grep -oE -- '--[a-z0-9-]+' | sort -u)
[ "$(offers "$name" -)" = "$listed" ] || fail "the options differ from --help: $(offers "$name" - | tr '\n' ' ')"

touch "$folder/a.png" "$folder/b.SVG" "$folder/c.txt" "$folder/d.csv" "$folder/e.PDF" "$folder/f.odt" "$folder/g.xlsx"
mkdir "$folder/sub"
check() { # expected offers (space-separated), then the command line
  local want=$1
  shift
  local got
  got=$(offers "$@" | tr '\n' ' ')
  [ "$got" = "$want " ] || fail "$*: offered '$got', not '$want '"
}
case $name in
detector-lab-sweep)
check "--signal1 --signal2" detector-lab-sweep --seed 1 --si
check "--signal2" detector-lab-sweep --signal1 2 --si
check "detection distinction1 distinction2" detector-lab-sweep --experiment d
check "detection,false-alarms" detector-lab-sweep --experiment detection,f
check "noise-power" detector-lab-sweep --experiment = no
check "1 2 3 4" detector-lab-sweep --signal2 ""
check "" detector-lab-sweep --gain ""
check "$folder/a.png $folder/b.SVG $folder/sub" detector-lab-sweep --plot "$folder/"
check "$folder/d.csv $folder/sub" detector-lab-sweep --verify "$folder/"
check "$folder/a.png $folder/b.SVG $folder/c.txt $folder/d.csv $folder/e.PDF $folder/f.odt $folder/g.xlsx $folder/sub" detector-lab-sweep --csv "$folder/"
cd "$folder/sub" || exit 1
check "-" detector-lab-sweep --csv ""
cd - >/dev/null || exit 1

;;
detector-lab-report)
check "--output" detector-lab-report j.csv --o
check "--group" detector-lab-report --student A --g
check "$folder/e.PDF $folder/f.odt $folder/g.xlsx $folder/sub" detector-lab-report j.csv -o "$folder/"
check "$folder/e.PDF $folder/f.odt $folder/g.xlsx $folder/sub" detector-lab-report j.csv --output = "$folder/"
check "$folder/d.csv $folder/sub" detector-lab-report "$folder/"
check "" detector-lab-report j.csv --student ""
check "en ru" detector-lab-report j.csv --lang ""
check "en" detector-lab-report j.csv --lang = e
;;
esac

[ "$failures" -eq 0 ] && echo "completion of $name checked"
exit "$failures"
