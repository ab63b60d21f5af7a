#!/usr/bin/env bash
# wine-run.sh never makes a prefix in, nor runs a program in, a folder that
# it did not make, nor a program of one Windows in a prefix of the other: the
# folder is refused before Wine starts, and left as it was.
set -euo pipefail

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/documents/letters" "$work/prefix-32"
echo "keep me" >"$work/documents/letters/note.txt"
touch "$work/prefix-32/.festorin-ready"

listing() { (cd "$1" && find . -printf '%p %s %T@\n' | sort); }

# Runs notepad.exe in folder $1 with FESTORIN_WINEARCH=$2 and expects a
# refusal that names the folder and leaves it as it was.
expect_refused() {
    local folder="$1" arch="$2" before after out status=0
    before="$(listing "$folder")"
    out="$(FESTORIN_WINEPREFIX="$folder" FESTORIN_WINEARCH="$arch" \
           "$(dirname "$0")/wine-run.sh" notepad.exe 2>&1)" || status=$?
    after="$(listing "$folder")"
    [ "$status" -eq 2 ] || { echo "FAILED ($folder): exit $status, not 2: $out" >&2; exit 1; }
    grep -q "refusing $folder" <<<"$out" || { echo "FAILED: no refusal: $out" >&2; exit 1; }
    [ "$before" = "$after" ] || { echo "FAILED: $folder changed" >&2; exit 1; }
}

expect_refused "$work/documents" win32
expect_refused "$work/prefix-32" win64
echo "wine-run.sh: a folder it did not make, or a prefix of the other Windows, is refused" \
     "and left as it was"
