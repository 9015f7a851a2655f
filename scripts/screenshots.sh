#!/usr/bin/env bash
# Takes the README's pictures of the main window with the sample document:
# docs/zib-dark.png (no theme setting: dark) and docs/zib-light.png.
set -uo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x700x24" "$0" "$@"
fi
source scripts/wine-env.sh
export WINEPREFIX="$ZIB_ROOT/build/screenshot-prefix"
ZIB_WINEPREFIX="$WINEPREFIX" scripts/wine-prefix.sh
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
mkdir -p docs
shoot() {
  local name=$1
  "$WINE" build/win64/Zib.exe tests/data/sample.txt &
  local pid=$! id=""
  for _ in $(seq 1 60); do
    sleep 0.5
    id=$(xwininfo -root -tree 2>/dev/null | grep 'Z·i·b' | awk '{print $1}' | head -n 1)
    [ -n "$id" ] && break
  done
  sleep 2
  import -window "${id:-root}" "docs/$name.png"
  kill "$pid" 2>/dev/null
  "$WINESERVER" -k 2>/dev/null
}
"$WINE" reg delete "$key" /v AppsUseLightTheme /f >/dev/null 2>&1
shoot zib-dark
"$WINE" reg add "$key" /v AppsUseLightTheme /t REG_DWORD /d 1 /f >/dev/null 2>&1
shoot zib-light
"$WINESERVER" -k 2>/dev/null
echo "docs/zib-dark.png docs/zib-light.png"
