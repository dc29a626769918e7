#!/bin/sh
# Lays out the portable folder, zips it and compiles the installer from it.
# Arguments: the program, then every file it needs; a file named as
# FOLDER/PATH goes into that folder (Qt's plugins and translations), the rest
# beside the program.
# The environment names the release (see windows.cmake).
set -eu

stage="$OUT/$NAME"
rm -rf "$stage" "$OUT/$NAME.zip" "$OUT/$NAME-setup.exe"
mkdir -p "$stage"
for file in "$@"; do
    case "$file" in
        /*) folder="" ;;
        *) folder="${file%%/*}/"; file="${file#*/}"; mkdir -p "$stage/$folder" ;;
    esac
    case "$file" in
        # Debug information is most of the runtime's size and no use to a user.
        *.exe | *.dll) "$STRIP" --strip-unneeded -o "$stage/$folder$(basename "$file")" "$file" ;;
        *) cp "$file" "$stage/$folder" ;;
    esac
done
# Notepad reads LF, but older Windows tools want CR LF.
sed 's/$/\r/' "$SOURCE/LICENSE" > "$stage/LICENSE.txt"
sed -e "s/@VERSION@/$VERSION/g" -e "s/@DISPLAY_NAME@/$DISPLAY_NAME/g" -e 's/$/\r/' \
    "$SOURCE/packaging/windows/README.txt.in" > "$stage/README.txt"

# The zip holds the folder itself, so unpacking it makes one folder.
(cd "$OUT" && cmake -E tar cf "$NAME.zip" --format=zip "$NAME")

# The installer removes exactly what it installed: one line per file and
# folder, the deepest folder first.
(cd "$stage" && find . -type f | sed 's|^\./||' | sort) > "$OUT/installer-files.txt"
tr '/' '\\' < "$OUT/installer-files.txt" | sed 's|.*|Delete "$INSTDIR\\&"|' > "$OUT/uninstall-files.nsh"
(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) | tr '/' '\\' \
    | sed 's|.*|RMDir "$INSTDIR\\&"|' >> "$OUT/uninstall-files.nsh"

"$MAKENSIS" -V2 -NOCD -INPUTCHARSET UTF8 \
    "-DNAME=$DISPLAY_NAME" "-DVERSION=$VERSION" "-DPUBLISHER=$PUBLISHER" "-DICON=$ICON" \
    "-DSTAGE=$stage" "-DUNINSTALL_FILES=$OUT/uninstall-files.nsh" "-DOUTFILE=$OUT/$NAME-setup.exe" \
    "$SOURCE/packaging/windows/installer.nsi"
rm "$OUT/installer-files.txt"
ls -l "$OUT/$NAME.zip" "$OUT/$NAME-setup.exe"
