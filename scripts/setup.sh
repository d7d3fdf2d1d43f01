#!/usr/bin/env bash
# Installs everything the build, the tests and the run script need on Debian. Safe to run again.
set -euo pipefail

packages=(cmake make g++ g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
  mingw-w64-tools libz-mingw-w64-dev
  wine wine32:i386 wine64 xvfb xauth locales fonts-ipafont-gothic fonts-ipafont-mincho imagemagick
  clang-14 libclang-rt-14-dev googletest libgtest-dev zlib1g-dev
  lhasa jlha-utils zip unzip 7zip cabextract gcab tar gzip)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  missing=(update-needed)
fi
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  # With recommended packages: the Wine set-up the tests were made on.
  $SUDO apt-get install -y -q "${packages[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
