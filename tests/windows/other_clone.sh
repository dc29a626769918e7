#!/bin/sh
# Qt for Windows, built once per machine, serves any clone at any path: a
# fresh clone of this one elsewhere runs `make windows` while the folder of
# the toolchain file that Qt's own toolchain file names (in the clone that
# built Qt, which may be gone by now) is hidden under an empty tmpfs in a
# private mount namespace. Without our toolchain named, the configure step
# must stop with a clear message. Run after `make windows` has cached Qt.
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
if [ "$(id -u)" -ne 0 ] || ! command -v unshare >/dev/null || ! unshare -m true 2>/dev/null; then
    echo "SKIP: hiding a folder needs root and a private mount namespace (unshare -m)"
    exit 77
fi
qt=$(sh "$here/scripts/windows-qt" | tail -n 1)
named=$(sed -n 's/^set(__qt_initially_configured_toolchain_file "\(.*\)")$/\1/p' "$qt/lib/cmake/Qt6/qt.toolchain.cmake")
[ -n "$named" ] || { echo "Qt's toolchain file names no toolchain file"; exit 1; }
work=$(mktemp -d /tmp/other-clone.XXXXXX)
trap 'rm -rf "$work"' EXIT
git clone -q "$here" "$work/clone"

# hidden COMMAND...: runs COMMAND where the named toolchain file is not.
hidden() {
    unshare -m sh -c 'if [ -d "$1" ]; then mount -t tmpfs -o size=64k tmpfs "$1"; fi
        [ ! -e "$2" ] || { echo "$2 is still there"; exit 1; }
        shift 2; exec "$@"' sh "$(dirname "$named")" "$named" "$@"
}

if hidden cmake -S "$work/clone" -B "$work/unnamed" -G Ninja -DCUBETIMER_WINDOWS=ON \
        "-DCMAKE_TOOLCHAIN_FILE=$qt/lib/cmake/Qt6/qt.toolchain.cmake" >"$work/unnamed.log" 2>&1 ||
        ! grep -q "did not bring in" "$work/unnamed.log"; then
    echo "a Windows configure without our toolchain did not stop with its message:"
    tail -n 20 "$work/unnamed.log"
    exit 1
fi
echo "a Windows configure without our toolchain stops: $(grep -m1 'A Windows build' "$work/unnamed.log")"

began=$(date +%s)
if ! hidden make -C "$work/clone" windows >"$work/make.log" 2>&1; then
    tail -n 40 "$work/make.log"
    exit 1
fi
ls "$work/clone/build/windows/"*-win64-setup.exe "$work/clone/build/windows/"*-win64.zip >/dev/null
echo "make windows in a second clone at $work/clone, with $(dirname "$named") hidden: $(($(date +%s) - began)) s"
