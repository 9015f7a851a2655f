#!/usr/bin/env bash
# Runs one Windows program under wine64 in the private prefix, on the current
# display or, without one, on a private Xvfb. Ends the prefix's processes
# afterwards and passes on the program's exit code.
set -uo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source "$(dirname "$0")/wine-env.sh"
"$(dirname "$0")/wine-prefix.sh"
"$WINE" "$@"
rc=$?
"$WINESERVER" -k 2>/dev/null
exit $rc
