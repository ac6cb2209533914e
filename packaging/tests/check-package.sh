#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package builds, its dependencies were computed from the binary
# (Qt and libjpeg among them), it holds the programs, the changelog and the
# copyright file, its maintainer is no local address, and it calls no ldconfig.
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
# The install tree is checked file by file (check-install.sh); here the
# programs, the modules and the desktop entry, and what a package adds.
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/detector-lab usr/bin/detector-lab-sweep usr/bin/detector-lab-report usr/lib/detector-lab/modules/detector-lab-analysis.so \
            usr/lib/detector-lab/modules/detector-lab-sweep-plot.so \
            usr/share/applications/org.detectorlab.DetectorLab.desktop usr/share/doc/detector-lab/changelog.gz \
            usr/share/doc/detector-lab/copyright; do
  grep -q "\./$file$" <<<"$contents" || { echo "the package lacks $file" >&2; exit 1; }
done
# A private module needs no ldconfig, and the package has no other use for
# maintainer scripts.
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Eq 'postinst|postrm' && { echo "the package has maintainer scripts" >&2; exit 1; }
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ $maintainer =~ ^[^@]+\<[^@]+@[^@]+\.[a-z]+\>$ && $maintainer != *localhost* ]] \
  || { echo "Maintainer: $maintainer" >&2; exit 1; }
echo "package $(basename "$deb") builds; Depends: $depends"
