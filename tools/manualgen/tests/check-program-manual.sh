#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A program answers --help and --version without a display, its help is its
# manual source as written, and its manual page renders without a warning.
#   check-program-manual.sh PROGRAM SOURCE PAGE.gz
set -u
program=$1 source=$2 page=$3
name=$(basename "$program")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# As from a console: no display, no platform chosen.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$folder/out" 2>"$folder/err"; }

for option in --help --version; do
  run "$option"
  status=$?
  [ "$status" -eq 0 ] || fail "$option exited $status"
  [ -s "$folder/err" ] && { fail "$option wrote to standard error:"; cat "$folder/err"; }
  cp "$folder/out" "$folder/$option"
done
head -1 "$folder/--help" | grep -q "^Usage: $name " || fail "--help does not start with the usage"
sed '/^#/d' "$source" | sed '1,/^$/d' >"$folder/body"
sed '1,/^$/d' "$folder/--help" | diff "$folder/body" - || fail "--help is not the body of $source"
head -1 "$folder/--version" | grep -Eq "^$name \(Detector Lab\) [0-9]+\.[0-9]+\.[0-9]+$" \
  || fail "--version does not name the program and its version: $(head -1 "$folder/--version")"
grep -q '^License GPLv3+' "$folder/--version" || fail "--version does not name the licence"

LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$folder/page" 2>"$folder/warnings"
[ $? -eq 0 ] || fail "man could not render $page"
[ -s "$folder/warnings" ] && { fail "the page renders with warnings:"; cat "$folder/warnings"; }
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS COPYRIGHT; do
  grep -q "^$heading" "$folder/page" || fail "the page has no $heading"
done
grep -Eq "^ *$name +- " "$folder/page" || fail "the page's NAME does not name $name"

[ "$failures" -eq 0 ] && echo "$name: --help, --version and the manual page checked"
exit "$failures"
