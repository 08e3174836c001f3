#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Safe to run again: it does nothing when everything is present. Must run as root.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev
  googletest
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 fonts-wine fonts-liberation
  xvfb xauth x11-apps imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${missing[*]}); run this script as root" >&2
  exit 1
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
