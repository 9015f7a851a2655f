#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. As root it runs
# apt-get itself; otherwise it prints the one line to run and fails.
set -euo pipefail
packages=(cmake make clang libclang-rt-14-dev
          g++-mingw-w64-x86-64 g++-mingw-w64-i686
          doctest-dev libbenchmark-dev
          wine64 xvfb xauth imagemagick fonts-liberation ghostscript procps locales
          zip unzip python3 python3-yaml openbox x11-utils x11-xserver-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Wine runs in the German locale; without it installed, Wine cannot name
# files with characters beyond ASCII (such as the "·" of Z·i·b).
has_locale() { locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; }
if [ ${#missing[@]} -eq 0 ] && has_locale; then exit 0; fi
if [ "$(id -u)" -ne 0 ]; then
  [ ${#missing[@]} -gt 0 ] && echo "Missing packages. Run:" &&
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
  has_locale || echo "Missing locale. Run: sudo sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen && sudo locale-gen"
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! has_locale; then
  echo "Generating the locale de_DE.UTF-8"
  grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen && sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
