#!/usr/bin/env bash
# Takes the picture of the day's reminder windows for the README: starts
# Festorin.exe under Wine in an Xvfb of its own with three people due today and
# a check date of yesterday, waits for the first tick of the one-minute timer
# and writes the bottom right of the screen to docs/reminders.png (or the file
# given).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exe="${FESTORIN_EXE:-$root/build/win32/Festorin.exe}"
output="${1:-$root/docs/reminders.png}"
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
python3 - "$data" <<'PY'
import datetime, sys
sizes = [5, 61, 61, 61, 31, 31, 31, 21, 21, 41]
today = datetime.date.today()
def person(lead, first, last, email, phone, action, when, reason):
    day = today + datetime.timedelta(days=lead)
    shown = day.strftime("%B") + "," + ("%2d" % day.day)
    return ["%02d%02d" % (day.month, day.day), first, last, email, phone, "", shown, action,
            when, reason]
people = [
    person(0, "Ada", "Lovelace", "ada@example.org", "01 23 45 67", "Send an E-mail",
           "The exact day", "Birtday"),
    person(1, "Blaise", "Pascal", "", "03 45 67 89", "Call phone 1", "1 day before", "Birtday"),
    person(2, "Carl", "Gauss", "carl@example.org", "", "Other", "2 days before", "Lunch"),
]
with open(sys.argv[1] + "/dates.txt", "wb") as f:
    for fields in people:
        for size, text in zip(sizes, fields):
            data = text.encode("cp1252")[: size - 1]
            f.write(bytes([len(data)]) + data + b"\0" * (size - 1 - len(data)))
yesterday = today - datetime.timedelta(days=1)
with open(sys.argv[1] + "/date_verif.txt", "wb") as f:
    f.write(yesterday.strftime("%d/%m/%Y\r\n").encode())
PY

FESTORIN_DISPLAY="$display" "$root/scripts/wine-run.sh" "$exe" >/dev/null 2>&1 &
festorin_pid=$!
# The first tick of the one-minute timer runs the day's check.
sleep 70
mkdir -p "$(dirname "$output")"
# Three reminder windows stand at the bottom right of the 1024x768 desktop.
DISPLAY="$display" import -window root -crop 340x180+684+588 +repage "$output"
echo "wrote $output"
