# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh and test.sh: installs the Debian packages the project needs
# when any is missing (as root, with apt-get); does nothing when all are there.
DL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libjpeg-dev libfontconfig-dev libxlsxwriter-dev libminizip-dev
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  fonts-liberation
  xvfb xauth xdotool imagemagick x11-utils libx11-dev
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file binutils
  man-db lintian appstream-compose
  poppler-utils
)

dl_ensure_packages() {
  local missing=() pkg
  for pkg in "${DL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
