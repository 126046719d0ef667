#!/bin/sh
# Runs every test through ctest; widget tests need no display.
set -e
BUILD=${1:-build}
export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
ctest --output-on-failure -j2
