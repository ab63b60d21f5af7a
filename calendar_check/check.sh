#!/usr/bin/env bash
# Festorin's calendars of random lists, read by calendar libraries that
# Festorin's authors did not write: libical, strictly, and python3-icalendar
# with python3-dateutil, which expand every birthday and its alarm.
# Usage: check.sh GENERATOR LIBICAL_READER
set -euo pipefail
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
"$1" "$folder"
"$2" "$folder"/*.ics
/usr/bin/python3 "$(dirname "$0")/check_calendars.py" "$folder"
