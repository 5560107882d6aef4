#!/usr/bin/env bash
# Installs what is missing, builds a Debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer in build/test, and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTANSU_SANITIZE=ON >/dev/null
cmake --build build/test -j"$JOBS"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir build/test --output-on-failure -j"$JOBS" "$@"
