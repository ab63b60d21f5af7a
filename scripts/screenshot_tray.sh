#!/usr/bin/env bash
# Takes the picture of the notification-area icon with its open menu for the
# README: runs the end-to-end test that opens the menu in an Xvfb of its own
# and writes the whole virtual desktop to docs/tray-menu.png (or the file
# given) while the menu is open.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/screenshot_common.sh"

take_picture_during_test FESTORIN_TRAY_PICTURE 'TrayTest.TheIconMenuOpensAtTheCursorOnRightButtonUpOnly' \
    "${1:-$root/docs/tray-menu.png}"
