#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's version and release date are the latest release of the
# metainfo's notes and of the package's changelog: a new version without its
# notes fails here.
#   check-release.sh VERSION DATE METAINFO CHANGELOG
set -euo pipefail
version=$1 date=$2 metainfo=$3 changelog=$4
first_release=$(grep -m1 -o '<release version="[^"]*" date="[^"]*"' "$metainfo")
[ "$first_release" = "<release version=\"$version\" date=\"$date\"" ] \
  || { echo "the metainfo's latest release is $first_release, not $version of $date" >&2; exit 1; }
head -1 "$changelog" | grep -q "^detector-lab ($version) " \
  || { echo "the changelog's latest entry is not $version: $(head -1 "$changelog")" >&2; exit 1; }
signed=$(grep -m1 '^ -- ' "$changelog" | sed 's/.*>  //')
[ "$(date -u -d "$signed" +%F)" = "$date" ] \
  || { echo "the changelog's latest entry is of $signed, not $date" >&2; exit 1; }
echo "release $version of $date in the metainfo and the changelog"
