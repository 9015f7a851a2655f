#!/usr/bin/env bash
# Creates the private Wine prefix once: wineboot, then a fixed-pitch face for
# "Courier New" (the prefix has neither Consolas nor Courier New).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.zib-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
timeout 180 "$WINE" wineboot -i >/dev/null 2>&1 || true
timeout 60 "$WINE" reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes" \
  /v "Courier New" /t REG_SZ /d "Liberation Mono" /f >/dev/null 2>&1
"$WINESERVER" -w || true
touch "$stamp"
