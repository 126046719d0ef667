#!/bin/sh
# Installs the Debian packages the build, the tests and the tools need.
# Runs apt-get only when something is missing, as root or through sudo.
set -e
PKGS="cmake ninja-build g++ make pkg-config googletest libgtest-dev \
qt6-base-dev qt6-multimedia-dev libgl-dev \
xvfb xauth pulseaudio pulseaudio-utils sox \
wordnet-base wordnet-sense-index wamerican wamerican-small wbritish clang libclang-rt-14-dev fonts-dejavu-core"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
