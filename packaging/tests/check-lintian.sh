#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# lintian, as a distribution checks a package, finds neither an error nor a
# warning in the .deb; its informational notes are printed, not counted.
#   check-lintian.sh BUILD
# Exit status 77 (skipped) without lintian.
set -uo pipefail
build=$1
command -v lintian >/dev/null || { echo "skipped: lintian is not installed (apt-get install lintian)"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || { echo "cpack failed" >&2; exit 1; }
# lintian warns once that it runs as root; that is the machine, not the package.
lintian --display-info --fail-on error,warning "$out"/*.deb 2> >(grep -v 'running with root privileges' >&2)
status=$?
[ "$status" -eq 0 ] && echo "lintian: no errors, no warnings"
exit "$status"
