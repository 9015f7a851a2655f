#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. As root it runs
# apt-get itself; otherwise it prints the one line to run and fails.
set -euo pipefail
packages=(cmake make clang libclang-rt-14-dev
          g++-mingw-w64-x86-64 g++-mingw-w64-i686
          doctest-dev libbenchmark-dev
          wine64 xvfb xauth imagemagick fonts-liberation procps)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run:"
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
