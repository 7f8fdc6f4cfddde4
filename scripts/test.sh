#!/usr/bin/env bash
# Builds everything and runs every test headlessly; then builds the test
# programs again with the address and undefined-behaviour sanitizers and runs
# every test once more, where any report fails the test.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${SYORI_BUILD:-$here/build/test}"
asan="${SYORI_ASAN_BUILD:-$here/build/asan}"

"$here/scripts/deps.sh" test
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

# Unoptimised: it builds in less time than it would save in the runs. Only
# the programs the tests run are built (not the program itself or the benchmarks).
cmake -S "$here" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DSYORI_SANITIZE=ON >/dev/null
cmake --build "$asan" -j"$(nproc)" --target test_programs
ctest --test-dir "$asan" --output-on-failure -j"$(nproc)"
