#!/usr/bin/env bash
# Installs the Debian packages the build needs (and, with --run, those the game needs to play).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev
          libsdl2-mixer-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-ipafont-gothic)
if [[ "${1:-}" == "--run" ]]; then
  packages+=(fluid-soundfont-gm)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
