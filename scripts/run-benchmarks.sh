#!/bin/sh
# Runs every benchmark; each prints its own figures.
BUILD=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for b in "$BUILD"/bench/bench_startup "$BUILD"/bench/bench_scorefile "$BUILD"/bench/bench_scores_window; do
  [ -x "$b" ] && { echo "== $(basename "$b")"; "$b"; }
done
exit 0
