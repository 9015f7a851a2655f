#!/bin/sh
# wine64 in the German locale (ANSI code page 1252), whatever the caller's locale.
exec env LC_ALL=de_DE.UTF-8 /usr/lib/wine/wine64 "$@"
