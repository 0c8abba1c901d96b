#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing the launcher need,
# only when some are missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-declarative-dev qt6-webengine-dev qt6-multimedia-dev libqt6opengl6-dev
  libcpp-httplib-dev libyaml-cpp-dev libcurl4-openssl-dev
  clang libclang-rt-14-dev
  xvfb xauth libxcb1-dev
  fonts-wine desktop-file-utils libglib2.0-bin
  qstat
  dbus python3
  sway waybar wayvnc qt6-wayland grim
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
