#!/usr/bin/env bash
# Start-up figure under Wine: Zib.exe against Wine's own notepad, started
# alternately (bench/wine/startup_win.cpp). Usage: bench-startup.sh [build dir] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
runs=${2:-9}
if [ -f "$build/CMakeCache.txt" ]; then
  cmake "$build" >/dev/null
else
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
make -C "$build" -j2 zib_startup_bench >/dev/null
exec "$root/scripts/wine-run.sh" "$build/zib_startup_bench.exe" "$runs"
