#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in a virtual display of its own and returns its status. The
# X server picks a free display number itself (-displayfd), so servers
# started at the same moment by several tests never meet on one number (a
# program that finds no server of its own aborts); the server ends, and is
# waited for, when the command has ended.
#   with-display.sh [--screen WxHxD] command [arguments...]
set -uo pipefail
screen=1024x768x24
if [ "${1:-}" = --screen ]; then
  screen=$2
  shift 2
fi
command -v Xvfb >/dev/null || { echo "with-display.sh: Xvfb is not installed" >&2; exit 77; }
folder=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$folder/display" 2>"$folder/log" &
server=$!
command_pid=""
stop_server() {
  [ -n "$command_pid" ] && kill "$command_pid" 2>/dev/null
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -rf "$folder"
}
trap stop_server EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
for _ in $(seq 100); do
  [ -s "$folder/display" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$folder/display" ]; then
  echo "with-display.sh: the X server did not start:" >&2
  cat "$folder/log" >&2
  exit 1
fi
DISPLAY=:$(tr -d '\n' <"$folder/display")
export DISPLAY
"$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=""
exit $status
