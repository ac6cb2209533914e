#!/usr/bin/env bash
# The Debian package builds, and its dependencies were computed from the
# binary (Qt and libjpeg among them).
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
dpkg-deb -I "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6charts6 libqt6svg6 libjpeg62-turbo libc6 fonts-liberation; do
  [[ $depends == *"$lib"* ]] || { echo "Depends lacks $lib: $depends" >&2; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
grep -q './usr/bin/detector-lab$' <<<"$contents"
grep -q './usr/bin/detector-lab-sweep$' <<<"$contents"
grep -q './usr/lib/detector-lab/detector-lab-analysis.so$' <<<"$contents"
grep -q './usr/share/applications/org.detectorlab.DetectorLab.desktop$' <<<"$contents"
echo "package $(basename "$deb") builds; Depends: $depends"
