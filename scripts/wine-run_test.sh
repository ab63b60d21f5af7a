#!/usr/bin/env bash
# wine-run.sh never makes a prefix in, nor runs a program in, a folder that
# it did not make: the folder is refused before Wine starts, and left as it was.
set -euo pipefail

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/documents/letters"
echo "keep me" >"$work/documents/letters/note.txt"
before="$(cd "$work/documents" && find . -printf '%p %s %T@\n' | sort)"

status=0
out="$(FESTORIN_WINEPREFIX="$work/documents" "$(dirname "$0")/wine-run.sh" notepad.exe 2>&1)" ||
    status=$?
after="$(cd "$work/documents" && find . -printf '%p %s %T@\n' | sort)"

[ "$status" -eq 2 ] || { echo "FAILED: exit $status, not 2: $out" >&2; exit 1; }
grep -q "refusing $work/documents" <<<"$out" || { echo "FAILED: no refusal: $out" >&2; exit 1; }
[ "$before" = "$after" ] || { echo "FAILED: the folder changed" >&2; exit 1; }
echo "wine-run.sh: a folder it did not make is refused and left as it was"
