#!/usr/bin/env bash
# Runs a command in a free Wine slot when ZIB_WINE_SLOTS (> 1) allows several
# side by side: the first of slots 0 .. ZIB_WINE_SLOTS-1 whose lock file can
# be taken, held for the command's whole run. The command finds its slot in
# ZIB_WINE_SLOT (scripts/wine-env.sh then gives it that slot's prefix and an
# Xvfb of its own). Without ZIB_WINE_SLOTS the command runs as it is.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
slots=${ZIB_WINE_SLOTS:-1}
if [ "$slots" -le 1 ] || [ -n "${ZIB_WINE_SLOT:-}" ]; then exec "$@"; fi
busy=75
mkdir -p "$root/build"
while :; do
  for id in $(seq 0 $((slots - 1))); do
    ZIB_WINE_SLOT=$id flock -n -o -E $busy "$root/build/wine-slot-$id.lock" "$@"
    rc=$?
    [ $rc -ne $busy ] && exit $rc
  done
  sleep 0.5
done
