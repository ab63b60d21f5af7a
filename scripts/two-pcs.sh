#!/usr/bin/env bash
# Two PCs sharing one synced data folder: two-pcs.sh PEER_EXE TESTS_EXE
#
# The peer drives the second PC's Festorin in the Wine prefix
# $FESTORIN_PEER_PREFIX; the end-to-end tests TwoPcs.* drive the first one's
# in $FESTORIN_WINEPREFIX. Both prefixes see one shared data folder and one
# mailbox folder, through which the tests ask the peer to act. Exits with
# the tests' exit code.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -eq 2 ] || { echo "usage: $0 PEER_EXE TESTS_EXE" >&2; exit 2; }
peer_exe="$1"
tests_exe="$2"
: "${FESTORIN_PEER_PREFIX:?names the Wine prefix of the second PC}"

work="$(mktemp -d)"
export FESTORIN_SHARED_FOLDER="$work/shared"
export FESTORIN_MAILBOX="$work/mailbox"
mkdir -p "$FESTORIN_SHARED_FOLDER" "$FESTORIN_MAILBOX"

peer_pid=""
finish() {
    # The tests are over, however they ended: the peer is asked to end, and
    # stopped by its own id if it does not within a minute.
    echo end > "$FESTORIN_MAILBOX/end.txt"
    if [ -n "$peer_pid" ]; then
        for _ in $(seq 600); do
            kill -0 "$peer_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$peer_pid" 2>/dev/null || true
        wait "$peer_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

FESTORIN_WINEPREFIX="$FESTORIN_PEER_PREFIX" "$root/scripts/wine-run.sh" "$peer_exe" \
    > "$work/peer.log" 2>&1 &
peer_pid=$!

status=0
"$root/scripts/wine-run.sh" "$tests_exe" --gtest_filter='TwoPcs.*' || status=$?
[ "$status" -eq 0 ] || { echo "The second PC's peer said:"; cat "$work/peer.log"; }
exit "$status"
