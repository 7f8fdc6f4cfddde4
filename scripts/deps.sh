#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing needs.
# Usage: scripts/deps.sh run|test
set -euo pipefail

common=(cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev fonts-ipafont-gothic fonts-ipafont-mincho)
case "${1:-run}" in
  run) wanted=("${common[@]}" qt6-qpa-plugins) ;;
  test) wanted=("${common[@]}" libgtest-dev) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
