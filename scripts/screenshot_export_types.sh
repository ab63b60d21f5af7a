#!/usr/bin/env bash
# Takes the picture of the Save dialog of File > Export... with its list of
# types open for the README: runs the end-to-end test that opens the list in
# an Xvfb of its own and writes the dialog's lower part to
# docs/export-types.png (or the file given) while the list is open.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/screenshot_common.sh"

take_picture_during_test FESTORIN_EXPORT_TYPES_PICTURE \
    'FileMenuTest.ExportWritesACalendarOfTheTypeChosenOrTyped' \
    "${1:-$root/docs/export-types.png}" ${FESTORIN_PICTURE_CROP:--crop 566x92+112+514 +repage}
