#!/usr/bin/env bash
# Builds everything and runs every test headlessly.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${SYORI_BUILD:-$here/build/test}"

"$here/scripts/deps.sh" test
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
