#!/bin/sh
# Runs a Windows test program under Wine (CMake's emulator for the cross
# build). Usage: wine-run.sh PREFIX DLL_FOLDERS PROGRAM [ARGUMENTS...]
# DLL_FOLDERS: the folders of the DLLs it needs, separated by colons.
set -eu
here=$(dirname "$0")
. "$here/wine-lib.sh"
prefix=$1 folders=$2
shift 2
[ -f "$prefix.ready" ] || { echo "SKIP: no Wine prefix: the wine_prefix test did not make one"; exit 77; }
wine_env "$prefix"
WINEPATH=$(printf '%s' "$folders" | sed -e 's|^|Z:|' -e 's|:/|;Z:/|g' | tr '/' '\\')
export WINEPATH
# Wine hands the program no QT_ variable; it passes WINEQT_ ones on without
# their WINE. A test program logs to standard error, not the debugger.
for variable in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$variable=\"\$$variable\""
done
export WINEQT_FORCE_STDERR_LOGGING=1
exec wine "$@"
