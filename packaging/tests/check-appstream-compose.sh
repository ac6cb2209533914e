#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A software centre's catalogue made from the install (appstreamcli compose,
# as a distribution makes it) holds the application with its icon at 64 and
# 128 pixels, and the composer has nothing to say against it.
#   check-appstream-compose.sh BUILD APP_ID
# Exit status 77 (skipped) without appstream-compose.
set -euo pipefail
build=$1 app_id=$2
appstreamcli compose --help >/dev/null 2>&1 || { echo "skipped: appstreamcli compose needs the package appstream-compose"; exit 77; }
root=$(mktemp -d)
out=$(mktemp -d)
trap 'rm -rf "$root" "$out"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
appstreamcli compose --no-net --origin detector-lab --result-root="$out" --print-report=full "$root" | tee "$out/report"
grep -q '^Success!' "$out/report"
if grep -Eq '^ *[EW]:|error|warning' "$out/report"; then
  echo "the composer found something" >&2
  exit 1
fi
catalogue=$(zcat "$out/usr/share/swcatalog/xml/detector-lab.xml.gz")
grep -q "<id>$app_id</id>" <<<"$catalogue"
for size in 64 128; do
  grep -q "<icon type=\"cached\" width=\"$size\" height=\"$size\">$app_id.png</icon>" <<<"$catalogue" \
    || { echo "no icon of $size pixels in the catalogue" >&2; exit 1; }
  [ -s "$out/usr/share/swcatalog/icons/detector-lab/${size}x${size}/$app_id.png" ] \
    || { echo "the icon of $size pixels was not cached" >&2; exit 1; }
done
echo "the catalogue holds $app_id with its icons"
