#!/usr/bin/env bash
# Builds the program, installs it into its program folder (default ~/Syori,
# or $SYORI_HOME) with a Data folder beside it, and starts it. The program
# folder lies outside the build tree: rebuilding or cleaning never touches Data.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
home="${SYORI_HOME:-$HOME/Syori}"
build="${SYORI_BUILD:-$here/build/release}"

"$here/scripts/deps.sh" run
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target Syori -j"$(nproc)"
mkdir -p "$home/Data"
install -m 755 "$build/Syori" "$home/Syori"
exec "$home/Syori"
