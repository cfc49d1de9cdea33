#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing.
# As root it runs apt-get; otherwise it prints the command to run and fails.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkgconf make
  qt6-base-dev libqt6opengl6-dev qt6-image-formats-plugins
  libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri
  libgtest-dev libbenchmark-dev
  libgif-dev libimagequant-dev libtiff-dev zlib1g-dev libopencv-imgproc-dev libopencv-calib3d-dev
  xvfb xauth x11-utils xdotool imagemagick
  cups libcups2-dev printer-driver-cups-pdf poppler-utils libimage-exiftool-perl
  fonts-dejavu-core
  desktop-file-utils appstream groff-base shared-mime-info
  dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

cmd="apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=300 ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them as root with:" >&2
  echo "  apt-get update && $cmd" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q -o DPkg::Lock::Timeout=300
$cmd
