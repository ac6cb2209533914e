#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators, and the
# metainfo launches that very entry.
set -euo pipefail
entry=$1 metainfo=$2
desktop-file-validate "$entry"
appstreamcli validate --no-net "$metainfo"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo"
for key in Name 'Name\[ru\]' 'Comment\[ru\]' Icon; do
  grep -q "^$key=" "$entry" || { echo "missing $key" >&2; exit 1; }
done
grep -qx 'Exec=detector-lab' "$entry"
grep -qx 'Categories=Education;Science;' "$entry"
grep -qx 'Terminal=false' "$entry"
echo "desktop entry and metainfo valid"
