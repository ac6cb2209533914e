#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream metainfo (as built, and as it is with a
# homepage and screenshots) pass their validators, and the metainfo launches
# that very entry.
set -euo pipefail
entry=$1 metainfo=$2 with_homepage=$3
desktop-file-validate "$entry"
appstreamcli validate --no-net "$metainfo" "$with_homepage"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo"
for key in Name 'Name\[ru\]' 'Comment\[ru\]' Icon StartupWMClass; do
  grep -q "^$key=" "$entry" || { echo "missing $key" >&2; exit 1; }
done
grep -qx 'Exec=detector-lab' "$entry"
grep -qx 'Categories=Education;Science;' "$entry"
grep -qx 'Terminal=false' "$entry"
grep -qx '  <project_license>GPL-3.0-or-later</project_license>' "$metainfo"
# The homepage and the screenshots come and go together.
[ "$(grep -c '<image>https://detectorlab.org/screenshots/' "$with_homepage")" -eq 3 ] \
  || { echo "the metainfo with a homepage does not name the three screenshots" >&2; exit 1; }
grep -q '<url type="homepage">https://detectorlab.org</url>' "$with_homepage"
if ! grep -q '<url type="homepage">' "$metainfo"; then
  ! grep -q '<screenshot' "$metainfo" || { echo "screenshots without a homepage" >&2; exit 1; }
fi
echo "desktop entry and metainfo valid"
