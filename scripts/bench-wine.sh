#!/usr/bin/env bash
# Figures measured under Wine (bench/wine/): builds the win64 configuration and
# runs one of them.
#   bench-wine.sh startup [runs]          time to a visible window, Zib against Wine's notepad
#   bench-wine.sh open [megabytes] [runs] opening a large file: bare EDIT, Zib, notepad
#   bench-wine.sh commands [lines ...]    the commands on documents of 5,000 to 320,000 lines
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
which=${1:?usage: bench-wine.sh startup|open|commands [arguments]}
shift
build=${ZIB_BUILD:-$root/build/win64}
if [ -f "$build/CMakeCache.txt" ]; then
  cmake "$build" >/dev/null
else
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
make -C "$build" -j2 "zib_${which}_bench" >/dev/null
exec "$root/scripts/wine-run.sh" "$build/zib_${which}_bench.exe" "$@"
