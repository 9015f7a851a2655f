#!/usr/bin/env bash
# Creates the private Wine prefix once: wineboot, then a fixed-pitch face for
# "Courier New" (the prefix has neither Consolas nor Courier New) and a
# sans-serif one for "Arial" (the sans-serif printout asks for it), and no crash
# dialog: a program that crashes gets its backtrace printed and ends, instead
# of waiting for someone to close a dialog.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.zib-ready-3"
[ -f "$stamp" ] && exit 0
# With --copy-of DIR a further slot's prefix starts as a copy of a ready one
# (which no Wine program may be using meanwhile): seconds instead of a wineboot.
if [ "${1:-}" = --copy-of ] && [ -f "$2/.zib-ready-3" ] && [ ! -e "$WINEPREFIX" ]; then
  cp -a "$2" "$WINEPREFIX"
  rm -rf "$WINEPREFIX-small-drive"
  exit 0
fi
mkdir -p "$WINEPREFIX"
[ -f "$WINEPREFIX/system.reg" ] || timeout 180 "$WINE" wineboot -i >/dev/null 2>&1 || true
timeout 60 "$WINE" reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes" \
  /v "Courier New" /t REG_SZ /d "Liberation Mono" /f >/dev/null 2>&1
timeout 60 "$WINE" reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes" \
  /v "Arial" /t REG_SZ /d "Liberation Sans" /f >/dev/null 2>&1
timeout 60 "$WINE" reg add "HKCU\\Software\\Wine\\WineDbg" /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$WINESERVER" -w || true
touch "$stamp"
