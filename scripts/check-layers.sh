#!/usr/bin/env bash
# The layering: no file of the rules (every file under src/ whose name does
# not end in _win) includes <windows.h> or a _win header, and no file outside
# src/app/ (the top of the program) includes a header of src/app/. Prints
# each offending line and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."
found=0
while IFS= read -r file; do
  if grep -nE '#include +[<"]([^">]*_win\.h|windows\.h)[">]' "$file" | sed "s|^|$file:|"; then found=1; fi
done < <(find src -name '*.cpp' -o -name '*.h' | grep -v '_win\.\(cpp\|h\)$' | sort)
while IFS= read -r file; do
  if grep -nE '#include +"app/' "$file" | sed "s|^|$file:|"; then found=1; fi
done < <(find src -name '*.cpp' -o -name '*.h' | grep -v '^src/app/' | sort)
[ $found -eq 0 ] && echo "rules include no Windows header; nothing below src/app/ includes it"
exit $found
