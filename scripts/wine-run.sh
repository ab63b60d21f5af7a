#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PROGRAM [ARGS...]
#
# The Wine prefix (build/wineprefix, or $FESTORIN_WINEPREFIX) is made once,
# with one virtual desktop of 1024x768 with a taskbar and a notification
# area that every program of the prefix shares. Runs on one prefix take
# turns. The program gets an Xvfb display of its own, or the display named
# by $FESTORIN_DISPLAY. $FESTORIN_SCREEN sets another size of the screen and
# desktop (such as 1600x1000), and $FESTORIN_DPI the prefix's dots per inch
# (LogPixels, 96 unless set; the prefix keeps it). Exits with the program's
# exit code.
#
# A prefix is made in a folder that does not exist yet, wherever it is; a
# folder that exists must be a prefix this script made (it holds the file
# .festorin-ready) or one whose making it began and did not end (it holds
# .festorin-making), which is made again. Any other folder is refused and
# left as it is.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
marker=".festorin-ready"
making=".festorin-making"
screen="${FESTORIN_SCREEN:-1024x768}"
export WINEARCH="${FESTORIN_WINEARCH:-win32}"
case "$WINEARCH" in
    win32)
        wine=wine
        default_prefix="$root/build/wineprefix"
        ;;
    win64)
        # Debian's `wine` takes the 32-bit loader whenever wine32 is
        # installed, and a program started inside Wine takes $WINELOADER.
        wine=/usr/lib/wine/wine64
        export WINELOADER="$wine"
        default_prefix="$root/build/wineprefix-win64"
        ;;
    *)
        echo "wine-run: FESTORIN_WINEARCH is win32 or win64, not $WINEARCH" >&2
        exit 2
        ;;
esac
export WINEPREFIX="$(realpath -m "${FESTORIN_WINEPREFIX:-$default_prefix}")"
export WINEDEBUG="${WINEDEBUG:--all}"
# No downloads of Mono or Gecko, which Festorin does not use.
export WINEDLLOVERRIDES="mscoree,mshtml="

[ $# -ge 1 ] || { echo "usage: $0 PROGRAM [ARGS...]" >&2; exit 2; }

made_here() {
    [ ! -e "$WINEPREFIX" ] || [ -f "$WINEPREFIX/$marker" ] || [ -f "$WINEPREFIX/$making" ]
}

# A marker without a name comes from before there were two: win32.
windows_of_prefix() {
    local name
    name="$(cat "$WINEPREFIX/$marker" 2>/dev/null || true)"
    echo "${name:-win32}"
}

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9

if ! made_here; then
    echo "wine-run: refusing $WINEPREFIX: it is a folder that this script did not make" \
         "(no $marker in it); name a new folder or one of its prefixes." >&2
    exit 2
fi
if [ -f "$WINEPREFIX/$marker" ] && [ "$(windows_of_prefix)" != "$WINEARCH" ]; then
    echo "wine-run: refusing $WINEPREFIX: it is a $(windows_of_prefix) prefix and this run" \
         "needs $WINEARCH; name another folder." >&2
    exit 2
fi

xvfb_pid=""
display_file=""
stop() {
    # The prefix's programs end before their display goes away; wineserver
    # acts on $WINEPREFIX's server only.
    wineserver -k >/dev/null 2>&1 || true
    timeout 10 wineserver -w >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    [ -z "$display_file" ] || rm -f "$display_file"
}
trap stop EXIT

start_xvfb() {
    display_file="$(mktemp)"
    Xvfb -displayfd 8 -screen 0 "${screen}x24" -nolisten tcp 8>"$display_file" 9>&- >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [ -s "$display_file" ]; then
            export DISPLAY=":$(head -n1 "$display_file")"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "wine-run: Xvfb did not start" >&2
    exit 1
}

# Only reached for a new folder or one this script made (checked above).
make_prefix() {
    [ -f "$WINEPREFIX/$marker" ] && return 0
    echo "wine-run: making the Wine prefix $WINEPREFIX (once)" >&2
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    touch "$WINEPREFIX/$making"
    "$wine" wineboot --init >/dev/null 2>&1 9>&-
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 9>&-
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$screen" /f \
        >/dev/null 2>&1 9>&-
    wineserver -w
    echo "$WINEARCH" >"$WINEPREFIX/$marker"
    rm -f "$WINEPREFIX/$making"
}

# Debian's Wine does not look for its own fonts (Tahoma, and Marlett for the
# caption buttons) where fonts-wine puts them; the prefix gets a copy.
add_wine_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    [ -f "$fonts/tahoma.ttf" ] && return 0
    [ -d /usr/share/wine/fonts ] || return 0
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf "$fonts/"
}

# Asked for by this run: a desktop of another size, another DPI. The Wine
# server started for the change ends with it, so that the program starts
# with the new settings.
apply_settings() {
    [ -n "${FESTORIN_SCREEN:-}${FESTORIN_DPI:-}" ] || return 0
    if [ -n "${FESTORIN_SCREEN:-}" ]; then
        "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$screen" /f \
            >/dev/null 2>&1 9>&-
    fi
    if [ -n "${FESTORIN_DPI:-}" ]; then
        "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$FESTORIN_DPI" /f \
            >/dev/null 2>&1 9>&-
    fi
    wineserver -k >/dev/null 2>&1 || true
    timeout 10 wineserver -w >/dev/null 2>&1 || true
}

if [ -n "${FESTORIN_DISPLAY:-}" ]; then
    export DISPLAY="$FESTORIN_DISPLAY"
else
    start_xvfb
fi
make_prefix
add_wine_fonts
apply_settings

set +e
"$wine" "$@" 9>&-
status=$?
set -e
exit "$status"
