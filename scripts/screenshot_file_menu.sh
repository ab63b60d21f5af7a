#!/usr/bin/env bash
# Takes the picture of the main window with its File menu open for the
# README: runs the end-to-end test that opens the menu with Alt+F in an Xvfb
# of its own and writes the top left of the main window to
# docs/file-menu.png (or the file given) while the menu is open.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lib/screenshot_common.sh"
build="${FESTORIN_BUILD:-$root/build/win32}"
output="${1:-$root/docs/file-menu.png}"

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
    FESTORIN_FILE_MENU_PICTURE="$handshake" "$root/scripts/wine-run.sh" \
    "$build/festorin_e2e.exe" --gtest_filter='FileMenuTest.TheMenuKeysReachTheFileMenu' \
    >/dev/null 2>&1 &
test_pid=$!
for _ in $(seq 600); do
    [ -f "$handshake_dir/picture.ready" ] && break
    kill -0 "$test_pid" 2>/dev/null || { echo "the test ended before the menu opened" >&2; exit 1; }
    sleep 0.1
done
[ -f "$handshake_dir/picture.ready" ] || { echo "the menu did not open" >&2; exit 1; }
# The menu is seen open before it is drawn: a moment for it to be drawn.
sleep 1
# The top left of the main window, which stands centred on the 1024x768
# desktop, with the open menu.
take_picture "$output" -crop 360x112+112+188 +repage
