#!/usr/bin/env bash
# Memory exhaustion end to end (the "memory:" cases of the e2e suite). Each
# case loads a large document into Zib; this script then caps that one
# process's address space (RLIMIT_AS, through prlimit) a little above what it
# has mapped. Wine has mapped a large pool at start-up that the cap does not
# reach, so the test then reserves all that is left in Zib's address space
# itself and gives back a measured room. The test and this script meet
# through two files in ZIB_STRESS_DIR.
#
#   scripts/stress.sh [doctest options]     ZIB_STRESS_LINES (default 1500000)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
lines=${ZIB_STRESS_LINES:-1500000}
export ZIB_STRESS_LINES=$lines
dir=$(mktemp -d /tmp/zib-stress.XXXXXX)
export ZIB_STRESS_DIR=$dir
headroom_kb=32768

# The newest Zib.exe of this run's prefix: tests of another slot may have
# their own Zib.exe running side by side.
zib_of_this_prefix() {
  local newest=""
  for p in $(pgrep -f 'Zib\.exe'); do
    tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && newest=$p
  done
  echo "$newest"
}

watch() {
  while [ ! -e "$dir/done" ]; do
    if [ -e "$dir/loaded" ] && [ ! -e "$dir/limited" ]; then
      pid=$(zib_of_this_prefix)
      vm=$(awk '/^VmSize/ {print $2}' "/proc/$pid/status" 2>/dev/null)
      if [ -n "$pid" ] && [ -n "$vm" ]; then
        limit_kb=$(( vm + headroom_kb ))
        prlimit --pid "$pid" --as=$(( limit_kb * 1024 )):
        rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
        echo "${vm} KB mapped, ${rss} KB resident; limited to ${limit_kb} KB (headroom ${headroom_kb} KB)" > "$dir/limited.part"
        mv "$dir/limited.part" "$dir/limited"
      fi
    fi
    sleep 0.2
  done
}
watch &
watcher=$!
trap 'touch "$dir/done"; wait $watcher; rm -rf "$dir"' EXIT

"$root/scripts/e2e-run.sh" "$root/build/win64/zib_e2e.exe" -tc="memory:*" "$@"
