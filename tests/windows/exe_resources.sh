#!/bin/sh
# What Explorer shows of the program: its icon at every size Windows asks
# for, and its name, maker and version under Properties, Details.
# Usage: exe_resources.sh PROGRAM.exe VERSION
set -eu
exe=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
command -v wrestool >/dev/null || { echo "SKIP: wrestool is not installed (icoutils)"; exit 77; }

wrestool -x --type=14 "$exe" -o "$work/icon.ico"
sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | tr '\n' ' ')
[ "$sizes" = "16 24 32 48 64 256 " ] || { echo "the icon has the sizes '$sizes'"; exit 1; }

details=$(wrestool -x --raw --type=16 "$exe" | tr -d '\0')
for field in "ProductNameQuorvanta Rubik's Timer" "CompanyNameQuorvanta" "FileVersion$version" \
        "ProductVersion$version" "OriginalFilenamequorvanta-timer.exe"; do
    case "$details" in
        *"$field"*) ;;
        *) echo "the version information lacks $field"; exit 1 ;;
    esac
done
echo "icon sizes: $sizes; version information: $version"
