#!/usr/bin/env bash
# Installs every Debian package the build and the tests need, only when missing.
# Safe to run again; needs root (or sudo) on a Debian 12 machine.
set -euo pipefail

packages=(
  cmake make ninja-build g++ pkg-config
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  googletest libbenchmark-dev clang libclang-rt-14-dev
  zlib1g-dev libpng-dev libgif-dev libpcre2-dev
  wine wine32:i386 wine64 xvfb xauth libx11-dev fonts-wqy-microhei locales
  sox nodejs
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails one index now and then: try again, and go on
# with what was fetched when it keeps failing.
for attempt in 1 2 3; do
  as_root apt-get update -q && break
  echo "apt-get update failed (attempt $attempt)" >&2
  sleep $((attempt * 10))
done
install_missing() { as_root apt-get install -y -q --no-install-recommends "$@" "${missing[@]}"; }
if ! install_missing; then
  # A security index that failed its check leaves the 32-bit libraries a
  # version behind the 64-bit ones they must match: resolve from the main
  # archive alone, still signed and checked.
  sources=$(mktemp)
  printf 'deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian %s main\n' \
    bookworm bookworm-updates > "$sources"
  as_root apt-get update -q -o Dir::Etc::SourceList="$sources" -o Dir::Etc::SourceParts=/nonexistent
  install_missing -o Dir::Etc::SourceList="$sources" -o Dir::Etc::SourceParts=/nonexistent
  rm -f "$sources"
fi
