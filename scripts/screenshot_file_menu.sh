#!/usr/bin/env bash
# Takes the picture of the main window with its File menu open for the
# README: runs the end-to-end test that opens the menu with Alt+F in an Xvfb
# of its own and writes the top left of the main window to
# docs/file-menu.png (or the file given) while the menu is open.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/screenshot_common.sh"

# The top left of the main window, which stands centred on the 1024x768
# desktop, with the open menu.
take_picture_during_test FESTORIN_FILE_MENU_PICTURE 'FileMenuTest.TheMenuKeysReachTheFileMenu' \
    "${1:-$root/docs/file-menu.png}" -crop 360x112+112+188 +repage
