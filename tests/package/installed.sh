#!/bin/bash
# Unpacks the package into a temporary root, checks what it holds and how it
# depends, validates the installed desktop files and manual page, and starts
# the installed program under its own X server. Usage: installed.sh TREE
set -euo pipefail
command -v dpkg-deb >/dev/null || { echo "SKIP: dpkg-deb is missing (scripts/install-deps installs it)"; exit 77; }
deb=$(ls "$1"/quorvanta-timer_*.deb)
. "$(dirname "$0")/../../scripts/xvfb-lib.sh"
root=$(mktemp -d)
xvfb_pid=""
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$root"' EXIT
fail() { echo "$*"; exit 1; }

dpkg-deb -x "$deb" "$root"
control() { dpkg-deb -f "$deb" "$1"; }
[ "$(control Package)" = quorvanta-timer ] || fail "package name: $(control Package)"
case "$(control Version)" in 3.0.*) ;; *) fail "version: $(control Version)" ;; esac
[ "$(control Section)" = games ] || fail "section: $(control Section)"
# Computed from the binary's libraries, not typed in.
control Depends | grep -q 'libqt6widgets6' || fail "depends: $(control Depends)"
control Depends | grep -q 'libc6 (>=' || fail "depends: $(control Depends)"
control Depends | grep -q 'libcanberra0' || fail "depends: $(control Depends)"
for recommended in libcanberra-pulse sound-theme-freedesktop; do
    control Recommends | grep -q "$recommended" || fail "recommends: $(control Recommends)"
done

for file in usr/games/quorvanta-timer \
        usr/share/applications/example.quorvanta.RubiksTimer.desktop \
        usr/share/metainfo/example.quorvanta.RubiksTimer.metainfo.xml \
        usr/share/icons/hicolor/scalable/apps/quorvanta-timer.svg \
        usr/share/man/man6/quorvanta-timer.6.gz \
        usr/share/doc/quorvanta-timer/copyright \
        usr/share/doc/quorvanta-timer/changelog.gz; do
    [ -s "$root/$file" ] || fail "the package lacks /$file"
done
desktop-file-validate "$root/usr/share/applications/example.quorvanta.RubiksTimer.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.quorvanta.RubiksTimer.metainfo.xml"
warnings=$(MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$root/usr/share/man/man6/quorvanta-timer.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"

start_xvfb "$root/xvfb.log"
QT_QPA_PLATFORM=xcb "$root/usr/games/quorvanta-timer" >"$root/app.log" 2>&1 &
app=$!
wait_window "Quorvanta Rubik's Timer 3.0" >/dev/null || { cat "$root/app.log"; fail "the installed program showed no window"; }
kill -0 "$app" || fail "the installed program is gone"
echo "installed from $(basename "$deb"): files, depends, desktop files and manual page good; the program starts"
