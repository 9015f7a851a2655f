#!/usr/bin/env bash
# Runs the end-to-end tests under Wine. As root it also lends them a full
# disk: a 64 KB tmpfs as drive E: of the prefix, so the save-on-full-disk test
# runs; where mounting is not allowed that test says so and passes.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
"$root/scripts/wine-prefix.sh"
small="$WINEPREFIX-small-drive"
drive="$WINEPREFIX/dosdevices/e:"
mounted=""
if [ "$(id -u)" -eq 0 ] && [ ! -e "$drive" ]; then
  mkdir -p "$small"
  if mount -t tmpfs -o size=64k tmpfs "$small" 2>/dev/null; then
    mounted=1
    ln -s "$small" "$drive"
    export ZIB_SMALL_DRIVE=E:
  fi
fi
cleanup() {
  if [ -n "$mounted" ]; then
    rm -f "$drive"
    umount "$small" 2>/dev/null
  fi
}
trap cleanup EXIT
"$root/scripts/wine-run.sh" "$@"
