#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing needs.
# Usage: scripts/deps.sh run|test
set -euo pipefail

# qt6-base-dev brings the Qt libraries with the xcb and offscreen platform
# plugins and what they need (libxkbcommon-x11, fontconfig); on a Wayland
# desktop the window runs through XWayland. The IPA fonts draw the Japanese
# texts. For the window: the Qt 6 module of fcitx5 (ibus needs none, Qt has
# its own) and xdg-utils, through which a file is opened with its program
# (a PDF printed without a printer, too). The print tests read PDF files
# back with poppler's pdftotext, pdfinfo and pdftoppm, and normalise text
# with python3. Print jobs go to CUPS through libcups; reads of many small
# pieces go to the kernel through liburing. The print tests run a CUPS
# scheduler of their own (cups-daemon, with cups-client's lpstat).
common=(cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev fonts-ipafont-gothic fonts-ipafont-mincho
        libcups2-dev liburing-dev)
case "${1:-run}" in
  run) wanted=("${common[@]}" qt6-qpa-plugins fcitx5-frontend-qt6 xdg-utils) ;;
  test) wanted=("${common[@]}" libgtest-dev poppler-utils python3 cups-daemon cups-client) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root (su -c \"apt-get install ${missing[*]}\") or install sudo, then run this again." >&2
    exit 1
  fi
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
