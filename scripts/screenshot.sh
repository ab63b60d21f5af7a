#!/usr/bin/env bash
# Takes the picture of the main window for the README: starts Festorin.exe
# under Wine in an Xvfb of its own with a few sample people and writes the
# window's picture to docs/main-window.png (or the file given).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exe="${FESTORIN_EXE:-$root/build/win32/Festorin.exe}"
output="${1:-$root/docs/main-window.png}"
export WINEPREFIX="${FESTORIN_WINEPREFIX:-$root/build/wineprefix}"

display_file="$(mktemp)"
Xvfb -displayfd 8 -screen 0 1024x768x24 -nolisten tcp 8>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
festorin_pid=""
cleanup() {
    [ -z "$festorin_pid" ] || kill "$festorin_pid" 2>/dev/null || true
    [ -z "$festorin_pid" ] || wait "$festorin_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
display=":$(head -n1 "$display_file")"

# The prefix must exist before its data folder can be filled.
FESTORIN_DISPLAY="$display" "$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1
data="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/FN"
mkdir -p "$data"
rm -f "$data"/*
python3 - "$data/dates.txt" <<'PY'
import sys
sizes = [5, 61, 61, 61, 31, 31, 31, 21, 21, 41]
people = [
    ["0115", "Ada", "Lovelace", "ada@example.org", "01 23 45 67", "", "January,15",
     "Send an E-mail", "The exact day", "Birtday"],
    ["0307", "Albert", "Martin", "albert.martin@example.org", "02 34 56 78", "06 12 34 56",
     "March, 7", "Call phone 2", "1 day before", "Birtday"],
    ["0520", "Blaise", "Pascal", "", "03 45 67 89", "", "May,20", "Call phone 1",
     "2 days before", "Birtday"],
    ["0914", "Clara", "Schumann", "clara@example.org", "", "", "September,14",
     "Send an E-mail", "The exact day", "Concert"],
    ["1103", "Carl", "Gauss", "carl@example.org", "04 56 78 90", "", "November, 3", "Other",
     "4 days before", "Birtday"],
]
with open(sys.argv[1], "wb") as f:
    for person in people:
        for size, text in zip(sizes, person):
            data = text.encode("cp1252")[: size - 1]
            f.write(bytes([len(data)]) + data + b"\0" * (size - 1 - len(data)))
PY

FESTORIN_DISPLAY="$display" "$root/scripts/wine-run.sh" "$exe" >/dev/null 2>&1 &
festorin_pid=$!
sleep 6
mkdir -p "$(dirname "$output")"
# The main window stands centred on the 1024x768 desktop: 800x391 outside.
DISPLAY="$display" import -window root -crop 800x391+112+188 +repage "$output"
echo "wrote $output"
