#!/usr/bin/env bash
# Starts Zib under Wine with a sample document. Without a display it runs on a
# private Xvfb, saves build/screenshots/main.png and closes the program.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
scripts/wine-prefix.sh
exe=build/win64/Zib.exe
sample=tests/data/sample.txt
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x700x24" env ZIB_SCREENSHOT=1 "$0" "$@"
fi
if [ -z "${ZIB_SCREENSHOT:-}" ]; then
  exec "$WINE" "$exe" "$sample"
fi
mkdir -p build/screenshots
"$WINE" "$exe" "$sample" &
pid=$!
for _ in $(seq 1 60); do
  sleep 0.5
  xwininfo -root -tree 2>/dev/null | grep -q 'Z·i·b' && break
done
sleep 2
import -window root build/screenshots/main.png
kill "$pid" 2>/dev/null
"$WINESERVER" -k 2>/dev/null
echo "Screenshot: build/screenshots/main.png"
