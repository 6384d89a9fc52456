#!/bin/sh
# Installs every Debian package that building, testing and running the
# program needs. Safe to run again: it installs only what is missing.
set -eu

PACKAGES="
cmake g++ make pkg-config
qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
libjpeg62-turbo-dev libmpg123-dev libopenal-dev libfontconfig-dev
espeak-ng lame sox
fonts-wine fonts-liberation fonts-wqy-zenhei
xvfb xauth x11-utils imagemagick libxcb1-dev
desktop-file-utils appstream dpkg-dev file
"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
