#!/bin/sh
# Runs every benchmark; each prints its own figures.
BUILD=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for b in "$BUILD"/tests/startup/bench_startup "$BUILD"/tests/bench/bench_*; do
  [ -x "$b" ] && { echo "== $(basename "$b")"; "$b"; }
done
exit 0
