#!/bin/sh
# Installs the built tree into a scratch DESTDIR, checks what lands where,
# validates the desktop entry and the AppStream file, and plays one round
# with the installed program started from an empty folder, as the menu
# starts it, with HOME and XDG_DATA_HOME in the scratch folder.
#   install-test.sh BUILD PLUGINS SOURCE
set -u
BUILD=$1 PLUGINS=$2 SOURCE=$3
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/lexiloop-install-XXXXXX") || exit 1
trap 'rm -rf "$SCRATCH"' EXIT
ROOT=$SCRATCH/root
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$ROOT cmake --install "$BUILD" --prefix /usr >"$SCRATCH/install.log" 2>&1 \
  || { cat "$SCRATCH/install.log"; echo "FAIL: cmake --install"; exit 1; }

# What a desktop game installs, and nothing of the players'.
DATA=$ROOT/usr/share/lexiloop
[ -x "$ROOT/usr/games/lexiloop" ] || fail "no program usr/games/lexiloop"
for f in zorvwin.dat hit.wav not.wav wins.wav; do
  cmp -s "$DATA/$f" "$SOURCE/data/$f" || fail "usr/share/lexiloop/$f missing or not the shipped one"
done
for f in applications/org.lexiloop.Lexiloop.desktop metainfo/org.lexiloop.Lexiloop.metainfo.xml \
         icons/hicolor/scalable/apps/lexiloop.svg man/man6/lexiloop.6.gz \
         doc/lexiloop/copyright doc/lexiloop/changelog.gz; do
  [ -s "$ROOT/usr/share/$f" ] || fail "usr/share/$f missing"
done
# A PNG's width is the big-endian number at byte 16 of the file.
for size in 16 32 48 64 128 256; do
  png=$ROOT/usr/share/icons/hicolor/${size}x$size/apps/lexiloop.png
  width=$(od -A n -t u1 -j 16 -N 4 "$png" 2>/dev/null | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 }')
  [ "$width" = "$size" ] || fail "icon ${size}x$size missing or $width pixels wide"
done
gzip -t "$ROOT/usr/share/man/man6/lexiloop.6.gz" 2>/dev/null || fail "man page is not gzip"
[ -z "$(find "$ROOT" -name 'zorvsco.dat*')" ] || fail "the install holds a score file"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$ROOT/usr/share/applications/org.lexiloop.Lexiloop.desktop" \
    || fail "desktop-file-validate"
else
  echo "SKIPPED: desktop-file-validate is not installed (package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$ROOT/usr/share/metainfo/org.lexiloop.Lexiloop.metainfo.xml" \
    || fail "appstreamcli validate"
else
  echo "SKIPPED: appstreamcli is not installed (package appstream)"
fi

# One round in the installed program, driven by a Qt plugin that the test
# alone loads (see RoundDriver.h). timeout makes sure no process outlives
# the test.
mkdir "$SCRATCH/empty" "$SCRATCH/home"
USERDIR=$SCRATCH/xdg/lexiloop
(cd "$SCRATCH/empty" && env HOME="$SCRATCH/home" XDG_DATA_HOME="$SCRATCH/xdg" \
   QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$PLUGINS" QT_QPA_GENERIC_PLUGINS=lexiloopround \
   timeout -k 5 90 "$ROOT/usr/games/lexiloop") || fail "the installed program exited with $?"
[ -d "$USERDIR" ] || fail "no per-user folder $USERDIR"
for f in zorvwin.dat hit.wav not.wav wins.wav; do
  [ "$(readlink "$USERDIR/$f")" = "$DATA/$f" ] || fail "$f in the per-user folder is no link to $DATA/$f"
done
# Tester: 20-byte name, then total score 1000, one round, next puzzle 2.
[ "$(head -c 20 "$USERDIR/zorvsco.dat" 2>/dev/null)" = "Tester              " ] \
  || fail "zorvsco.dat does not hold the player Tester"
numbers=$(od -A n -t d4 -j 20 -N 12 "$USERDIR/zorvsco.dat" 2>/dev/null | tr -s ' ')
[ "$numbers" = " 1000 1 2" ] || fail "Tester's record reads '$numbers', not ' 1000 1 2'"
[ -z "$(ls -A "$SCRATCH/empty")" ] || fail "the program wrote into the folder it was started from"
# (The sound server's client may keep its own files under HOME.)
[ -z "$(find "$SCRATCH/home" -name 'zorv*' -o -name lexiloop)" ] \
  || fail "the program made game files under HOME despite XDG_DATA_HOME"

[ "$failures" = 0 ] && echo "install tree, validators and installed round: all good"
[ "$failures" = 0 ]
