#!/usr/bin/env bash
# Runs one Windows program under wine64 in the private prefix, on the current
# display or, without one, on a private Xvfb. Ends the prefix's processes
# afterwards and passes on the program's exit code.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
"$(dirname "$0")/wine-prefix.sh"
run() {
  "$WINE" "$@"
  local rc=$?
  "$WINESERVER" -k 2>/dev/null
  return $rc
}
if [ -n "${DISPLAY:-}" ] && [ -z "${ZIB_FORCE_XVFB:-}" ]; then
  run "$@"
else
  export -f run
  export WINE WINESERVER
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'run "$@"' run "$@"
fi
