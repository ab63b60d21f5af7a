#!/usr/bin/env bash
# Takes the picture of the main window with its Edit menu open for the
# README: runs the end-to-end test that deletes a person and opens the menu
# with Alt+E in an Xvfb of its own, and writes the top left of the main
# window to docs/edit-menu.png (or the file given) while the menu is open.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/screenshot_common.sh"

take_picture_during_test FESTORIN_EDIT_MENU_PICTURE \
    'EditMenuTest.CtrlZAfterDeleteBringsThePersonBackIntoTheContactFile' \
    "${1:-$root/docs/edit-menu.png}" -crop 400x140+112+188 +repage
