#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and run the program.
# Idempotent: packages already present are skipped without touching the network.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libbenchmark-dev
  qt6-base-dev libgl-dev libxcb1-dev
  xvfb xauth openbox xdotool xclip x11-utils imagemagick python3
  fonts-dejavu-core
  locales  # localedef and its character maps: the tests make their locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Locales the tests format dates under; made only where missing.
available=$(locale -a 2>/dev/null || true)
for name in en_GB en_US de_DE; do
  if ! grep -qix "$name.utf-\?8" <<<"$available"; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO localedef -i "$name" -f UTF-8 "$name.UTF-8"
  fi
done
