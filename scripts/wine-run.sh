#!/usr/bin/env bash
# Runs one Windows program under wine64 in the private prefix, on the current
# display or, without one (or with ZIB_FORCE_XVFB set), on a private Xvfb.
# Ends the prefix's processes afterwards and passes on the program's exit code.
# A run that takes longer than ZIB_WINE_TIMEOUT seconds (default 1800) is ended.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"

xvfb=""
xvfb_file=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  [ -n "$xvfb_file" ] && rm -f "$xvfb_file"
  return 0
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ] || [ -n "${ZIB_FORCE_XVFB:-}" ]; then
  # Xvfb picks a free display number itself (-displayfd), so runs of several
  # developers at once never race for the same one.
  xvfb_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$xvfb_file" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 1 100); do
    [ -s "$xvfb_file" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$xvfb_file" ]; then
    echo "wine-run.sh: Xvfb did not start" >&2
    exit 125
  fi
  export DISPLAY=":$(head -n 1 "$xvfb_file")"
fi

"$(dirname "$0")/wine-prefix.sh"
timeout --kill-after=10 "${ZIB_WINE_TIMEOUT:-1800}" "$WINE" "$@"
rc=$?
[ $rc -eq 124 ] && echo "wine-run.sh: ended after ${ZIB_WINE_TIMEOUT:-1800} s" >&2
"$WINESERVER" -k 2>/dev/null
exit $rc
