#!/bin/sh
# The Wine prefix the test programs share in one ctest run: `start DIR` makes
# it fresh with Wine running in it, `stop DIR` ends Wine there.
set -eu
here=$(dirname "$0")
. "$here/wine-lib.sh"
case "$1" in
    start)
        rm -f "$2.ready"
        wine_or_skip
        make_prefix "$2"
        touch "$2.ready"
        ;;
    stop)
        wine_env "$2"
        [ ! -d "$2" ] || wineserver -k 2>/dev/null || true
        rm -f "$2.ready"
        ;;
esac
