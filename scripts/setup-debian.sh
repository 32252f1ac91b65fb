#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing tavoreno
# need, if any is missing. Works as root or as a user with sudo.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev libx11-dev
  fonts-liberation
  xvfb xauth xdotool x11-utils imagemagick
  strace desktop-file-utils appstream file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
