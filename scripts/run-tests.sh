#!/bin/sh
# Runs every test through ctest; widget tests need no display.
set -e
BUILD=${1:-build}
export QT_QPA_PLATFORM=offscreen
# A sound server with a silent sink lets the tests hear the effects.
. "$(dirname "$0")/start-test-audio.sh"
ROOT=$(cd "$(dirname "$0")/.." && pwd)
(cd "$BUILD" && ctest --output-on-failure -j2)
# The same tests again with AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of every fuzz target.
"$ROOT/scripts/sanitize.sh"
"$ROOT/scripts/fuzz.sh" 12
