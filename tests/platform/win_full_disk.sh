#!/bin/sh
# Runs the Windows save test's full-disk case on a 32 KiB tmpfs that Wine sees
# as drive Q: of PREFIX. Usage: win_full_disk.sh PREFIX COMMAND... where
# COMMAND runs the test program under Wine in PREFIX (e.g. wine win_platform_tests.exe).
# Exits 77 where this machine cannot mount or there is no prefix.
set -u
prefix=$1
shift
[ -d "$prefix/dosdevices" ] || { echo "SKIP: no Wine prefix at $prefix"; exit 77; }
disk=$(mktemp -d /tmp/full-disk-XXXXXX)
if ! mount -t tmpfs -o size=32k tmpfs "$disk" 2>/dev/null; then
    rmdir "$disk"
    echo "SKIP: cannot mount a tmpfs here; run as root to test a full disk"
    exit 77
fi
drive="$prefix/dosdevices/q:"
rm -f "$drive"
ln -s "$disk" "$drive"
CUBETIMER_FULL_DRIVE='Q:\' "$@" --gtest_filter='WinFileSaveFullDiskTest.*' 2>&1
status=$?
rm -f "$drive"
umount "$disk" && rmdir "$disk"
exit $status
