#!/bin/sh
# Runs the Windows save test's full-disk case on a 32 KiB tmpfs that Wine sees
# as drive Q:. Usage: win_full_disk.sh TEST.exe, with WINEPREFIX set.
# Exits 77 where this machine cannot mount or Wine cannot run.
set -u
exe=$1
: "${WINEPREFIX:?WINEPREFIX names the Wine prefix to run in}"
command -v wine >/dev/null || { echo "wine is not installed" >&2; exit 77; }
[ -d "$WINEPREFIX/dosdevices" ] || { echo "no Wine prefix at $WINEPREFIX" >&2; exit 77; }
disk=$(mktemp -d /tmp/full-disk-XXXXXX)
if ! mount -t tmpfs -o size=32k tmpfs "$disk" 2>/dev/null; then
    rmdir "$disk"
    echo "cannot mount a tmpfs here; run as root to test a full disk" >&2
    exit 77
fi
drive="$WINEPREFIX/dosdevices/q:"
rm -f "$drive"
ln -s "$disk" "$drive"
CUBETIMER_FULL_DRIVE='Q:\' wine "$exe" --gtest_filter='WinFileSaveFullDiskTest.*' 2>&1
status=$?
rm -f "$drive"
umount "$disk" && rmdir "$disk"
exit $status
