# Shell functions for running Windows programs under Wine in a private prefix.
# Sourced by the test fixture (wine-prefix.sh), the test runner (wine-run.sh)
# and the end-to-end test.

# wine_or_skip: exits 77 when Wine cannot run 64-bit programs here.
wine_or_skip() {
    command -v wine >/dev/null || { echo "SKIP: Wine is not installed (scripts/install-deps windows)"; exit 77; }
    command -v wineserver >/dev/null || [ -x /usr/lib/wine/wineserver ] ||
        { echo "SKIP: Wine has no wineserver"; exit 77; }
    [ -x /usr/lib/wine/wine64 ] || { echo "SKIP: 64-bit Wine (wine64) is not installed"; exit 77; }
}

# wine_env DIR: the environment for a prefix in DIR: no offer to download
# Mono or Gecko, no debug chatter.
wine_env() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    PATH="$PATH:/usr/lib/wine"
}

# make_prefix DIR: a fresh 64-bit prefix in DIR, its server started first and
# kept for 5 minutes after its last program, detached from our output so no
# test's output pipe is held open by it; with fonts (a fresh prefix has none,
# and Qt would fall back to a serif face) and windows that the X server's
# window manager leaves alone, so keys always arrive. Exits 77 when Wine
# cannot make one here.
make_prefix() {
    rm -rf "$1"
    mkdir -p "$1"
    wine_env "$1"
    setsid wineserver -p 300 </dev/null >/dev/null 2>&1
    if ! wineboot -i </dev/null >"$1.log" 2>&1; then
        echo "SKIP: Wine cannot make a prefix here:"
        tail -n 5 "$1.log"
        exit 77
    fi
    cp /usr/share/wine/fonts/* "$1/drive_c/windows/Fonts/"
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >>"$1.log" 2>&1
}
