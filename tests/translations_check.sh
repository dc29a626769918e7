#!/bin/sh
# Every translation is complete, and lupdate run on today's sources changes
# none of them: a new or changed text without its translations fails here.
# The desktop entry and the metainfo (summary and every paragraph of the
# description) speak every language too.
# Usage: translations_check.sh LUPDATE SOURCE_DIR
set -eu
lupdate=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
count=0
for ts in "$source"/translations/*.ts; do
    count=$((count + 1))
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    # The options of the update_translations target (CMakeLists.txt).
    "$lupdate" -locations none -no-ui-lines -I "$source/src" "$source/src" -ts "$copy" >"$work/log" 2>&1 ||
        { cat "$work/log"; exit 1; }
    if grep -n -B2 'type="\(unfinished\|obsolete\|vanished\)"' "$copy"; then
        echo "$(basename "$ts"): texts above without a current translation"
        status=1
    fi
    if ! cmp -s "$ts" "$copy"; then
        echo "$(basename "$ts"): lupdate changes it (cmake --build BUILD --target update_translations):"
        diff -u "$ts" "$copy" | head -40
        status=1
    fi
    lang=$(basename "$ts" .ts)
    lang=${lang#quorvanta-timer_}
    assets=$source/src/ui/assets/example.quorvanta.RubiksTimer
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=." "$assets.desktop" || { echo "desktop entry: no $key[$lang]"; status=1; }
    done
    grep -q "<summary xml:lang=\"$lang\">" "$assets.metainfo.xml" || { echo "metainfo: no summary in $lang"; status=1; }
    [ "$(grep -c "<p xml:lang=\"$lang\">" "$assets.metainfo.xml")" -eq "$(grep -c '<p>' "$assets.metainfo.xml")" ] ||
        { echo "metainfo: the description is not whole in $lang"; status=1; }
done
[ "$count" -eq 14 ] || { echo "expected 14 translations, found $count"; status=1; }
exit $status
