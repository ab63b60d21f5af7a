#!/usr/bin/env bash
# Takes the picture of the day's reminder windows for the README: starts
# Festorin.exe under Wine in an Xvfb of its own with three people due today and
# a check date of yesterday, waits for the first tick of the one-minute timer
# and writes the bottom right of the screen to docs/reminders.png (or the file
# given).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/screenshot_common.sh"
output="${1:-$root/docs/reminders.png}"

trap stop_festorin_and_display EXIT
start_display
fill_data_folder <<'PY'
import datetime, sys
from contact_file import write_contacts
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
write_contacts(sys.argv[1] + "/dates.txt", people)
yesterday = today - datetime.timedelta(days=1)
with open(sys.argv[1] + "/date_verif.txt", "wb") as f:
    f.write(yesterday.strftime("%d/%m/%Y\r\n").encode())
PY

start_festorin
# The first tick of the one-minute timer runs the day's check.
sleep 70
# Three reminder windows stand at the bottom right of the 1024x768 desktop.
take_picture "$output" -crop 340x180+684+588 +repage
