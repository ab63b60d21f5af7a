#!/usr/bin/env bash
# Takes the picture of the main window for the README: starts Festorin.exe
# under Wine in an Xvfb of its own with a few sample people and writes the
# window's picture to docs/main-window.png (or the file given).
# FESTORIN_DPI=144 takes it at 144 dots per inch, as at a screen scale of
# 150 %, in a prefix of its own on a larger screen: docs/main-window-144dpi.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dpi="${FESTORIN_DPI:-96}"
suffix=""
if [ "$dpi" != 96 ]; then
    export FESTORIN_DPI="$dpi"
    export FESTORIN_WINEPREFIX="${FESTORIN_WINEPREFIX:-$root/build/wineprefix-${dpi}dpi}"
    export FESTORIN_SCREEN="${FESTORIN_SCREEN:-1600x1000}"
    suffix="-${dpi}dpi"
fi
source "$root/scripts/lib/screenshot_common.sh"
output="${1:-$root/docs/main-window$suffix.png}"

trap stop_festorin_and_display EXIT
start_display
fill_data_folder <<'PY'
import sys
from contact_file import write_contacts
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
write_contacts(sys.argv[1] + "/dates.txt", people)
PY

start_festorin
sleep 6
# The main window stands centred on the desktop: 800x391 outside at 96 DPI
# on 1024x768, 1197x584 at 144 DPI on 1600x1000.
case "$dpi" in
    96) take_picture "$output" -crop 800x391+112+188 +repage ;;
    144) take_picture "$output" -crop 1197x584+201+208 +repage ;;
    *) take_picture "$output" ;;
esac
