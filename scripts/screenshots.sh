#!/usr/bin/env bash
# `make screenshots`: the README's pictures (docs/*.png), taken from the real
# program under Wine on a private Xvfb with a window manager (Openbox), so
# that the windows have their title bars. The e2e cases "screenshots: ..."
# set each scene and ask for its picture through a request file; this script
# finds the window by its title and takes it with its frame.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
dir=$(mktemp -d /tmp/zib-shots.XXXXXX)
export ZIB_SHOT_DIR=$dir
mkdir -p "$root/docs"

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1000x720x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$display_file")"
rm -f "$display_file"
openbox >/dev/null 2>&1 &
wm=$!
xsetroot -solid '#3a6ea5' 2>/dev/null

watch() {
  while [ ! -e "$dir/done" ]; do
    if [ -e "$dir/request" ]; then
      name=$(sed -n 1p "$dir/request")
      title=$(sed -n 2p "$dir/request")
      id=$(xwininfo -root -tree | grep -F "\"$title\"" | awk '{print $1}' | head -n 1)
      if [ -n "$id" ]; then
        sleep 0.5
        # The frame's place on the screen, taken from the screen itself so
        # that dialogs lying on the window are in the picture too.
        read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                                                    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
        read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
        geometry="$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))"
        import -window root -crop "$geometry" +repage "$root/docs/$name.png" && echo "docs/$name.png"
      else
        echo "screenshots.sh: no window \"$title\"" >&2
      fi
      rm -f "$dir/request"
    fi
    sleep 0.1
  done
}
watch &
watcher=$!
cleanup() {
  touch "$dir/done"
  wait "$watcher" 2>/dev/null
  kill "$wm" "$xvfb" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT

"$root/scripts/e2e-run.sh" "$root/build/win64/zib_e2e.exe" -tc="screenshots:*"
