# Sourced by the scripts that run Windows programs: a private Wine prefix under
# build/, quiet, in the German locale the tests assume. The locale is given to
# Wine alone ($WINE), so the shell itself needs no such glibc locale.
ZIB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${ZIB_WINEPREFIX:-$ZIB_ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE="$ZIB_ROOT/scripts/wine64.sh"
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
