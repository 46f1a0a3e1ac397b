#!/bin/sh
# Installs the Debian packages the tutor needs to build, run and test, only
# those that are missing, so a second run costs next to nothing.
set -e
PACKAGES="cmake make g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev
qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev fonts-liberation2 fonts-dejavu-core
fonts-dejavu-extra xvfb xauth imagemagick
xdotool openbox pulseaudio pulseaudio-utils x11-utils python3"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
