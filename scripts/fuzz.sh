#!/bin/sh
# Builds the libFuzzer targets with clang (in build-fuzz) and runs each one
# for the given number of seconds, starting from tests/fuzz/seeds/<target>.
#   scripts/fuzz.sh          12 s a target, as part of the tests
#   scripts/fuzz.sh 600      a long run
# A crash or broken rule stops the run with the failing input saved under
# build-fuzz/crashes/; copy it into tests/fuzz/regressions/<target>/ so
# that core_tests replays it from then on.
set -e
SECONDS_EACH=${1:-12}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${2:-$ROOT/build-fuzz}
TARGETS="fuzz_scorefile fuzz_gamedata"

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is not installed; fuzzing skipped"
  exit 0
fi
configure() {
  CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLEXILOOP_FUZZ=ON -DLEXILOOP_BUILD_UI="$1" >"$BUILD.configure.log" 2>&1
}
# The fuzz targets need only the core; the windows are configured (never
# built) only when a core-only configuration is refused.
if ! configure OFF; then
  echo "fuzz: a core-only configuration failed (see $BUILD.configure.log); configuring with the UI"
  configure ON || { cat "$BUILD.configure.log"; exit 1; }
fi
cmake --build "$BUILD" --target $TARGETS

mkdir -p "$BUILD/crashes"
status=0
for t in $TARGETS; do
  exe=$(find "$BUILD" -name "$t" -type f -perm -u+x | head -n 1)
  corpus="$BUILD/corpus/$t"
  mkdir -p "$corpus"
  log="$BUILD/$t.log"
  # New inputs go to the build folder's corpus; the seeds stay as committed.
  if "$exe" -max_total_time="$SECONDS_EACH" -max_len=4096 -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$BUILD/crashes/$t-" "$corpus" "$ROOT/tests/fuzz/seeds/$t" >"$log" 2>&1; then
    result=passed
  else
    result=FAILED
    status=1
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "fuzz: $t: ${runs:-?} runs in ${SECONDS_EACH}s, corpus $(ls "$corpus" | wc -l) inputs: $result"
done
[ "$status" = 0 ] || echo "fuzz: failing inputs are in $BUILD/crashes/"
exit $status
