#!/bin/bash
# The released program under Wine, as a Windows user gets it: a fresh prefix
# and a private X server, the installer run silently, the installed program
# started from its Start menu entry and driven by keys (wine_e2e.py), and
# for the session part the silent uninstall after it. The stackmat part
# plays timers' signals (written by STACKMAT_WAV.EXE) into the default input.
# The languages part runs with a German display language, and the program in
# German, Russian and Chinese.
# Usage: wine_e2e.sh SETUP.EXE session|full_disk|beeps|bench|languages
#        wine_e2e.sh SETUP.EXE stackmat STACKMAT_WAV.EXE
#        wine_e2e.sh SETUP.EXE dpiNNN [SHOTS]
# (dpi144: at 144 dots per inch on a 2560 x 1600 screen; SHOTS keeps its screenshots)
set -euo pipefail

setup=$1 part=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xvfb-lib.sh"
. "$here/../e2e/sound-lib.sh"
. "$here/wine-lib.sh"
wine_or_skip
for tool in Xvfb xdotool xclip /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -f "$setup" ] || { echo "no installer at $setup: make windows builds it"; exit 1; }
case "$part" in
    full_disk) [ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root to mount a small tmpfs as the full disk"; exit 77; } ;;
    beeps) sound_tools_or_skip ;;
    stackmat)
        sound_tools_or_skip
        export WINE_E2E_STACKMAT_WAV=$3
        ;;
    dpi*) command -v import >/dev/null || { echo "SKIP: ImageMagick's import is not installed"; exit 77; } ;;
    languages)
        command -v tesseract >/dev/null && tesseract --list-langs 2>/dev/null | grep -qx deu ||
            { echo "SKIP: tesseract with German is not installed (tesseract-ocr-deu)"; exit 77; }
        for lang in de_DE ru_RU zh_CN; do
            locale -a | grep -qx "$lang.utf8" && continue
            [ "$(id -u)" -eq 0 ] || { echo "SKIP: the $lang.UTF-8 locale is missing, and only root can make it"; exit 77; }
            localedef -i "$lang" -f UTF-8 "$lang.UTF-8"
        done
        export LANG=de_DE.UTF-8
        ;;
esac

work=$(mktemp -d)
xvfb_pid="" pulse_pid="" disk="" busy=""
cleanup() {
    status=$?
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
    for pid in $busy "$pulse_pid" "$xvfb_pid"; do
        [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    done
    [ -z "$disk" ] || umount "$disk" 2>/dev/null || true
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        for log in xvfb pulse prefix install; do
            [ -f "$work/$log.log" ] && { echo "--- $log.log:"; tail -n 30 "$work/$log.log"; }
        done
    fi
    rm -rf "$work"
}
trap cleanup EXIT

case "$part" in
    dpi*) start_xvfb "$work/xvfb.log" 2560x1600 ;;
    *) start_xvfb "$work/xvfb.log" ;;
esac
case "$part" in
    beeps) start_pulse "$work" ;;
    stackmat)
        # The timer's line is a null sink's monitor, the default input;
        # the program's own sounds go to another sink.
        start_pulse "$work"
        pactl load-module module-null-sink sink_name=stackmat rate=48000 >/dev/null
        pactl set-default-source stackmat.monitor
        pactl set-default-sink quiet
        ;;
esac
make_prefix "$work/prefix"
case "$part" in
    dpi*)
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${part#dpi}" /f </dev/null >>"$work/prefix.log" 2>&1
        export WINE_E2E_SHOTS="${3:-$work}"
        mkdir -p "$WINE_E2E_SHOTS"
        ;;
esac

name="Quorvanta Rubik's Timer" entry="Quorvanta Rubik's Timer"
folder="$WINEPREFIX/drive_c/Program Files/$name"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\quorvanta-timer'
export WINE_E2E_WORK="$work"

if [ "$part" = languages ]; then
    # The installer's pages speak the display language, by the title Wine
    # gives its window and the words on the page; cancelled at once.
    wine "$setup" </dev/null >"$work/install.log" 2>&1 &
    installer=$!
    title="Installation von $name"
    wid=""
    for _ in $(seq 600); do
        wid=$(xdotool search --onlyvisible --name "^$title ?\$" 2>/dev/null | head -n 1 || true)
        [ -z "$wid" ] || break
        sleep 0.1
    done
    [ -n "$wid" ] || { echo "no installer window titled '$title'"; exit 1; }
    import -window "$wid" -resize 200% "$work/installer.png"
    page=$(tesseract "$work/installer.png" - -l deu 2>/dev/null | tr '\n' ' ')
    for words in "Zielverzeichnis auswählen" "Installieren" "Abbrechen"; do
        grep -qF "$words" <<<"$page" || { echo "the German installer page lacks '$words': $page"; exit 1; }
    done
    echo "the installer's window is titled '$title' and its page reads German"
    xdotool windowfocus --sync "$wid" key Escape
    wait "$installer" || true  # cancelled
    entry="Quorvanta Rubik's-Cube-Timer"
fi
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$entry.lnk"

# The installer waits for nothing in silent mode and ends when it is done.
wine "$setup" /S </dev/null >"$work/install.log" 2>&1
for file in quorvanta-timer.exe Qt6Core.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
        libstdc++-6.dll uninstall.exe LICENSE.txt README.txt; do
    [ -f "$folder/$file" ] || { echo "the installer did not install $file"; exit 1; }
done
[ -f "$shortcut" ] || { echo "the installer made no Start menu entry"; exit 1; }
entry=$(wine reg query "$key" </dev/null 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    $entry" "DisplayVersion    REG_SZ    3.0.0" "Publisher    REG_SZ    Quorvanta" \
        "DisplayIcon    REG_SZ    C:\\Program Files\\$name\\quorvanta-timer.exe,0" "EstimatedSize    REG_DWORD" \
        "QuietUninstallString    REG_SZ    \"C:\\Program Files\\$name\\uninstall.exe\" /S"; do
    grep -qF "$value" <<<"$entry" || { echo "the Add/Remove Programs entry lacks: $value"; echo "$entry"; exit 1; }
done
echo "installed silently: $(find "$folder" -type f | wc -l) files, $(du -sk "$folder" | cut -f1) KiB"

if [ "$part" = full_disk ]; then
    # Drive F: is a 256 KiB tmpfs: room for a report, then filled up.
    disk="$work/disk"
    mkdir "$disk"
    mount -t tmpfs -o size=256k tmpfs "$disk"
    ln -s "$disk" "$WINEPREFIX/dosdevices/f:"
    export WINE_E2E_DISK="$disk"
fi

case "$part" in
    session | bench)
        # Solves with every core busy twice over: a program that takes a key's
        # instant when it handles the key, not from the key's message, is then
        # late by tens of milliseconds.
        for _ in $(seq $((2 * $(nproc)))); do
            sh -c 'while :; do :; done' &
            busy="$busy $!"
        done
        ;;
esac
if [ "$part" = languages ]; then
    wrestool -x --type=14 "$folder/quorvanta-timer.exe" -o "$work/exe.ico"
    icotool -x -w 32 -o "$work/exe-32.png" "$work/exe.ico"
    export WINE_E2E_ICON="$work/exe-32.png"
fi
export PYTHONDONTWRITEBYTECODE=1
/usr/bin/python3 "$here/wine_e2e.py" "$part" "$shortcut"
for pid in $busy; do kill "$pid"; done
busy=""
if [ "$part" = full_disk ] && wine reg query 'HKCU\Software\QtProject' </dev/null >/dev/null 2>&1; then
    echo "the save dialog left its state in the registry (HKCU\Software\QtProject)"
    exit 1
fi

if [ "$part" = session ]; then
    wine "C:\\Program Files\\$name\\uninstall.exe" /S </dev/null >>"$work/install.log" 2>&1
    # The uninstaller goes on from a copy of itself in the temporary folder.
    for _ in $(seq 600); do
        [ ! -e "$folder" ] && [ ! -e "$shortcut" ] && ! wine reg query "$key" </dev/null >/dev/null 2>&1 && break
        sleep 0.1
    done
    [ ! -e "$folder" ] || { echo "the uninstaller left: $(find "$folder")"; exit 1; }
    [ ! -e "$shortcut" ] || { echo "the uninstaller left the Start menu entry"; exit 1; }
    ! wine reg query "$key" </dev/null >/dev/null 2>&1 || { echo "the uninstaller left the registry entry"; exit 1; }
    echo "uninstalled silently: no program file, no Start menu entry, no registry entry"
fi
