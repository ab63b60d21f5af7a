#!/usr/bin/env bash
# Takes the picture of the notification-area icon with its open menu for the
# README: runs the end-to-end test that opens the menu in an Xvfb of its own
# and writes the whole virtual desktop to docs/tray-menu.png (or the file
# given) while the menu is open.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/screenshot_common.sh"
build="${FESTORIN_BUILD:-$root/build/win32}"
output="${1:-$root/docs/tray-menu.png}"

handshake_dir="$(mktemp -d)"
test_pid=""
cleanup() {
    touch "$handshake_dir/picture.done"
    [ -z "$test_pid" ] || wait "$test_pid" 2>/dev/null || true
    stop_display
    rm -rf "$handshake_dir"
}
trap cleanup EXIT
start_display

# The test program sees the handshake files through Wine's drive Z:.
handshake="Z:${handshake_dir//\//\\}\\picture"
FESTORIN_DISPLAY="$display" FESTORIN_EXE="$build/Festorin.exe" \
    FESTORIN_TRAY_PICTURE="$handshake" "$root/scripts/wine-run.sh" "$build/festorin_e2e.exe" \
    --gtest_filter='TrayTest.TheIconMenuOpensAtTheCursorOnRightButtonUpOnly' >/dev/null 2>&1 &
test_pid=$!
for _ in $(seq 600); do
    [ -f "$handshake_dir/picture.ready" ] && break
    kill -0 "$test_pid" 2>/dev/null || { echo "the test ended before the menu opened" >&2; exit 1; }
    sleep 0.1
done
[ -f "$handshake_dir/picture.ready" ] || { echo "the menu did not open" >&2; exit 1; }
take_picture "$output"
