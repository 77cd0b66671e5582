#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Quillmoor needs.
# Runs as root; safe to run again (apt-get skips what is already there).
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  googletest libgtest-dev libgmock-dev
  # UI toolkit
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libqt6opengl6-dev libgl-dev libxkbcommon-dev qt6-image-formats-plugins libqt6svg6 qt6-translations-l10n
  # PDF engine and what its static library links against
  libmupdf-dev libgumbo-dev libopenjp2-7-dev libjbig2dec0-dev libharfbuzz-dev
  libmujs-dev libfreetype-dev libjpeg-dev zlib1g-dev
  # data, archive, regular expressions, printing
  libsqlcipher-dev sqlcipher libfreexl-dev libzip-dev zipcmp libpcre2-dev
  libcups2-dev cups cups-client cups-bsd printer-driver-cups-pdf
  # sample atlases and fixtures
  libcairo2-dev fonts-noto-cjk python3-xlwt poppler-utils mupdf-tools
  # real display for the run command, screenshots and end-to-end tests
  xvfb xauth x11-utils xdotool imagemagick libx11-dev
  # the installed layout and the Debian package
  desktop-file-utils dpkg-dev
)
# The fuzz targets (fuzz/run.sh) build with clang and its libFuzzer runtime;
# the ordinary build and the test suite do not need them.
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "setup-debian.sh: run as root (it installs Debian packages with apt-get)" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
