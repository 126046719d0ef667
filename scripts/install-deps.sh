#!/bin/sh
# Installs the Debian packages a task needs, by group:
#   run      building and running the game (the default)
#   test     run + the test tools: sanitizer and fuzzing compilers, the
#            sound server, Xvfb, the desktop-file and AppStream validators
#   package  run + what `make package` uses to build and check the .deb
#   puzzles  run + the WordNet data and word lists the puzzle generator reads
#   all      everything above
# Runs apt-get only when something is missing, as root or through sudo.
#   scripts/install-deps.sh [group ...]
set -e
RUN="cmake ninja-build g++ make pkg-config googletest libgtest-dev \
qt6-base-dev qt6-multimedia-dev libgl-dev fonts-dejavu-core"
TEST="xvfb xauth pulseaudio pulseaudio-utils sox clang libclang-rt-14-dev \
desktop-file-utils appstream"
PACKAGE="dpkg-dev file lintian"
PUZZLES="wordnet-base wordnet-sense-index wamerican wamerican-small wbritish"

PKGS=$RUN
for group in "${@:-run}"; do
  case $group in
    run) ;;
    test) PKGS="$PKGS $TEST" ;;
    package) PKGS="$PKGS $PACKAGE" ;;
    puzzles) PKGS="$PKGS $PUZZLES" ;;
    all) PKGS="$PKGS $TEST $PACKAGE $PUZZLES" ;;
    *) echo "install-deps.sh: unknown group '$group' (run, test, package, puzzles, all)" >&2
       exit 2 ;;
  esac
done
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
