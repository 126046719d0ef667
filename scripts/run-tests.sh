#!/bin/sh
# Runs every test through ctest; widget tests need no display. Then the
# same tests again with AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of every fuzz target. The private sound server is
# stopped however the run ends, and the run fails if any process it
# started is still alive at the end.
set -e
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
LEXILOOP_TEST_RUN="$$-$(date +%s%N)"
export LEXILOOP_TEST_RUN

# A sound server with a silent sink lets the tests hear the effects.
. "$ROOT/scripts/start-test-audio.sh"
trap lexi_audio_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

(cd "$BUILD" && ctest --output-on-failure -j2)
"$ROOT/scripts/sanitize.sh"
"$ROOT/scripts/fuzz.sh" 12

lexi_audio_stop
# The check itself must not carry the token, or it would find itself.
env -u LEXILOOP_TEST_RUN "$ROOT/scripts/check-no-leftovers.sh" "$LEXILOOP_TEST_RUN"
