#!/bin/bash
# Installs the Debian 12 packages the player needs to build, run and be tested,
# skipping those already present.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n qt6-svg-dev qt6-image-formats-plugins
  libvlc-dev vlc-plugin-base vlc-plugin-video-output libbluray-dev
  nettle-dev libblkid-dev libudev-dev libxcb1-dev
  xvfb openbox x11-utils xdotool imagemagick ffmpeg genisoimage udftools xorriso
  fonts-dejavu-core fonts-droid-fallback libqt6svg6
  desktop-file-utils appstream lintian shared-mime-info file dbus-daemon playerctl
  clang libclang-rt-14-dev gdb
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
