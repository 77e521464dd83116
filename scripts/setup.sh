#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libfontconfig-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libqt6sql6-sqlite
  libgtest-dev libgmock-dev libbenchmark-dev time
  xvfb xauth x11-utils xdotool xdg-utils poppler-utils imagemagick openbox
  fonts-liberation2 fonts-dejavu-core fonts-cabin
  # Month names in Chinese, Japanese or Korean on the printed report need these glyphs.
  fonts-droid-fallback
  desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Run this as root (or with sudo) to install the packages above." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get -o DPkg::Lock::Timeout=600 update -qq
  apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi
