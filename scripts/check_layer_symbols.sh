#!/usr/bin/env bash
# The layers hold at link time too: a function of a layer above declared by
# hand in a lower layer compiles (no include is needed), so each layer's
# undefined symbols are checked against the definitions of the layers it may
# use. A symbol that the layer and the layers below it do not define, and
# that another layer of the system defines, is a call against the grain.
# (What none of them defines comes from the system's own libraries.)
#
# usage: check_layer_symbols.sh LAYERS_FILE
#   LAYERS_FILE: one layer a line: its name, its archive, the layers it uses
#   (written by CMakeLists.txt into the build folder as layers.txt)
set -euo pipefail
export LC_ALL=C
layers="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Each archive's defined symbols (any kind), its strong definitions (code,
# data), and its undefined symbols; nm's portable format: name, type, ...
while read -r name archive _; do
    nm -P "$archive" >"$work/$name.nm"
    awk 'NF >= 2 && $1 !~ /:$/ && $2 != "U" {print $1}' "$work/$name.nm" | sort -u >"$work/$name.any"
    awk 'NF >= 2 && $2 ~ /^[TDBR]$/ {print $1}' "$work/$name.nm" | sort -u >"$work/$name.strong"
    awk 'NF >= 2 && $2 == "U" {print $1}' "$work/$name.nm" | sort -u >"$work/$name.undefined"
done <"$layers"

# Every strong definition with its layer.
while read -r name _ _; do
    sed "s/\$/ $name/" "$work/$name.strong"
done <"$layers" | sort >"$work/owners"

while read -r name _ uses; do
    cat "$work/$name.any" $(for used in $uses; do echo "$work/$used.any"; done) | sort -u >"$work/seen"
    comm -23 "$work/$name.undefined" "$work/seen" | join - "$work/owners" |
        while read -r symbol owner; do
            echo "$name uses $(c++filt "$symbol") of $owner, a layer above it or beside it"
        done
done <"$layers" >"$work/found"
cat "$work/found"
[[ ! -s "$work/found" ]]
