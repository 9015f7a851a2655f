#!/usr/bin/env bash
# The layering: no file of the rules (every file under src/ whose name does
# not end in _win) includes <windows.h> or a _win header. Prints each
# offending line and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."
found=0
while IFS= read -r file; do
  if grep -nE '#include +[<"]([^">]*_win\.h|windows\.h)[">]' "$file" | sed "s|^|$file:|"; then found=1; fi
done < <(find src -name '*.cpp' -o -name '*.h' | grep -v '_win\.\(cpp\|h\)$' | sort)
[ $found -eq 0 ] && echo "rules include no Windows header"
exit $found
