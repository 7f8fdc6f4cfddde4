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
# scheduler of their own (cups-daemon, with cups-client's lpstat). The build
# is tried under a Japanese locale too (the desktop's language reaches the
# compiler's messages): locales, with ja_JP.UTF-8 generated.
common=(cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev fonts-ipafont-gothic fonts-ipafont-mincho
        libcups2-dev liburing-dev)
case "${1:-run}" in
  run) wanted=("${common[@]}" qt6-qpa-plugins fcitx5-frontend-qt6 xdg-utils) ;;
  test) wanted=("${common[@]}" libgtest-dev poppler-utils python3 cups-daemon cups-client locales) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The locale's name as locale -a lists it (glibc writes the codeset in lower
# case without the hyphen).
japanese=false
if [ "${1:-run}" = test ]; then
  locale -a 2>/dev/null | grep -qx 'ja_JP\.utf8' || japanese=true
fi
[ ${#missing[@]} -eq 0 ] && ! $japanese && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing: ${missing[*]}$($japanese && echo " (and the locale ja_JP.UTF-8)")" >&2
    echo "Install them as root (su -c \"apt-get install ${missing[*]}\"; ja_JP.UTF-8 in /etc/locale.gen, then locale-gen) or install sudo, then run this again." >&2
    exit 1
  fi
  sudo="sudo"
fi
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Listed in /etc/locale.gen, so that a later locale-gen keeps it.
if $japanese; then
  grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi
