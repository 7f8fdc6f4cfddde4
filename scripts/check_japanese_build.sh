#!/usr/bin/env bash
# The build does not depend on the language of the tools' messages: on a
# desktop in Japanese the compiler and CMake answer in Japanese. Configures a
# scratch build tree under ja_JP.UTF-8, as scripts/run.sh would (the layer
# probes run there), and compiles one file of the system in it, a warning
# failing it as in the test build.
#
# usage: check_japanese_build.sh SOURCE_DIR SCRATCH_DIR CXX_COMPILER
# Exits 77 (skipped) where the locale is not generated (scripts/deps.sh test
# generates it) or where the compiler has no Japanese for its messages, so
# that nothing would be tried.
set -euo pipefail
src="$1"
scratch="$2"
cxx="$3"

if ! locale -a 2>/dev/null | grep -qx 'ja_JP\.utf8'; then
    echo "the locale ja_JP.UTF-8 is missing (scripts/deps.sh test generates it)"
    exit 77
fi
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 LANGUAGE=ja
rm -rf "$scratch"
mkdir -p "$scratch"

# A header the compiler cannot find, named in its own words: only where they
# are not English does this test show anything.
echo '#include "no/such/header.h"' >"$scratch/missing.cpp"
said="$("$cxx" -fsyntax-only "$scratch/missing.cpp" 2>&1 || true)"
echo "$said"
if LC_ALL=C grep -q 'No such file' <<<"$said"; then
    echo "the compiler speaks English under ja_JP.UTF-8 here: nothing to try"
    exit 77
fi

cmake -S "$src" -B "$scratch/build" -G "Unix Makefiles" -DCMAKE_CXX_COMPILER="$cxx" \
      -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DSYORI_WERROR=ON
cmake --build "$scratch/build" --target store/Denpyou.o
