#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lupdate over the sources into a copy of the translation and fails on
# what it finds out of step: a text without its translation (new, or changed
# since it was translated), an entry whose text the sources no longer have,
# a translation left empty. The translation itself is not touched.
#   check-translations.sh LUPDATE SOURCE_ROOT TS_FILE [LUPDATE_OPTION]... -- FOLDER...
set -euo pipefail
lupdate=$1 root=$2 ts=$3
shift 3
options=()
while [ "$1" != -- ]; do options+=("$1"); shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
report() {
  local file=$1 what=$2 pattern=$3
  grep -q -e "$pattern" "$file" || return 0
  echo "$what:" >&2
  grep -B3 -e "$pattern" "$file" | grep -v -e "$pattern" -e '^--$' -e '<message' >&2
  failures=$((failures + 1))
}
# What lrelease compiles is the file as it is: an entry it marks unfinished
# or gone is left out of the program.
report "$ts" "entries of $ts marked unfinished (translate them)" 'type="unfinished"'
report "$ts" "entries of $ts marked gone from the sources (build the target update-translations)" \
  'type="vanished"\|type="obsolete"'
cp "$ts" "$work/check.ts"
cd "$root"
"$lupdate" "${options[@]}" "$@" -ts "$work/check.ts" >"$work/lupdate.log" 2>&1 \
  || { cat "$work/lupdate.log" >&2; exit 1; }
# lupdate warns of a text it cannot read (tr() outside a class, a context it
# cannot tell): such a text would never be translated.
if grep -qi 'warning\|error' "$work/lupdate.log"; then
  grep -i 'warning\|error' "$work/lupdate.log" >&2
  exit 1
fi
report "$work/check.ts" "texts of the sources without a translation (translate them in $ts)" 'type="unfinished"'
report "$work/check.ts" "entries whose texts the sources no longer have (build the target update-translations)" \
  'type="vanished"\|type="obsolete"'
report "$work/check.ts" "empty translations" '<translation></translation>'
[ "$failures" -eq 0 ] || exit 1
echo "every text of the sources is translated: $(grep -c '<message' "$work/check.ts") texts"
