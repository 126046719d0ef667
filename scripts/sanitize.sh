#!/bin/sh
# Builds everything with AddressSanitizer and UBSan (Debug, in build-asan)
# and runs every ctest test there. Any sanitizer report ends the test that
# hit it with a failure, and so fails this script.
#   scripts/sanitize.sh [build folder]
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-asan}

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEXILOOP_SANITIZE=ON >/dev/null
cmake --build "$BUILD"

# Leak checking stays on for every program; only leaks made inside Qt's
# own libraries are let through (see tests/lsan-qt.supp). halt_on_error
# makes the first report fatal.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$ROOT/tests/lsan-qt.supp:print_suppressions=0}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
echo "== sanitizer run (address, undefined, leak) in $BUILD"
ctest --output-on-failure -j2
