# Sourced by the scripts that run Windows programs: a private Wine prefix under
# build/, quiet, in the German locale the tests assume. The locale is given to
# Wine alone ($WINE), so the shell itself needs no such glibc locale.
# A command run in a slot (scripts/wine-slot.sh sets ZIB_WINE_SLOT) uses the
# prefix of its slot (build/wineprefix, build/wineprefix-1, ...) and an Xvfb
# of its own, so commands side by side never share a prefix, a registry or a
# display with its focus.
ZIB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zib_slot=${ZIB_WINE_SLOT:-}
[ -n "$zib_slot" ] && export ZIB_FORCE_XVFB=1
if [ -n "$zib_slot" ] && [ "$zib_slot" != 0 ]; then
  export WINEPREFIX="$ZIB_ROOT/build/wineprefix-$zib_slot"
else
  export WINEPREFIX="${ZIB_WINEPREFIX:-$ZIB_ROOT/build/wineprefix}"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE="$ZIB_ROOT/scripts/wine64.sh"
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
