#!/usr/bin/env bash
# The decisions of install-deps.sh, over stand-ins for apt-get, dpkg,
# dpkg-query, sudo and id that record their arguments: no root, no network.
set -euo pipefail

script="$(cd "$(dirname "$0")" && pwd)/install-deps.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAILED ($scenario): $*" >&2
    failures=$((failures + 1))
}

# A stand-in: records its name and arguments, then runs the behaviour given.
stand_in() {
    local name="$1" body="$2"
    printf '#!/usr/bin/env bash\necho "%s $*" >>"$STAND_IN_LOG"\n%s\n' "$name" "$body" \
        >"$work/bin/$name"
    chmod +x "$work/bin/$name"
}

# Counts the calls of one kind and fails the first $1 of them.
failing_first() {
    printf 'n=$(($(cat "$STAND_IN_DIR/%s" 2>/dev/null || echo 0) + 1)); echo $n >"$STAND_IN_DIR/%s"\n[ "$n" -gt "%s" ] || { echo "%s" >&2; exit 100; }' \
        "$1" "$1" "$2" "$3"
}

make_stand_ins() {
    mkdir -p "$work/bin"
    stand_in id 'echo 1000'
    [ -n "${NO_SUDO:-}" ] || stand_in sudo '"$@"'
    stand_in dpkg '[ "$1" = --print-foreign-architectures ] && cat "$STAND_IN_DIR/arch" 2>/dev/null; exit 0'
    stand_in dpkg-query '[ -f "$STAND_IN_DIR/installed" ] && echo "install ok installed"; exit 0'
    stand_in apt-get '
for arg in "$@"; do
    case "$arg" in Dir::Etc::PreferencesParts=*) cat "${arg#*=}"/* >>"$STAND_IN_LOG" ;; esac
done
case " $* " in
    *" update "*) '"$(failing_first updates "$FAIL_UPDATES" "$UPDATE_ERROR")"' ;;
    *" install "*) '"$(failing_first installs "$FAIL_INSTALLS" "$INSTALL_ERROR")"' ;;
esac'
}

# Runs install-deps.sh in a fresh state, with every package installed when
# $2 says so; its output lands in $out and its exit code in $status.
run() {
    scenario="$1"
    rm -rf "$work/state" "$work/tmp" && mkdir -p "$work/state" "$work/tmp"
    [ "${2:-}" != installed ] || touch "$work/state/installed"
    : >"$work/log"
    make_stand_ins
    touch "$work/before"
    status=0
    out="$(PATH="$work/bin:${SYSTEM_PATH:-$PATH}" TMPDIR="$work/tmp" STAND_IN_LOG="$work/log" \
           STAND_IN_DIR="$work/state" FESTORIN_APT_PAUSE_SCALE=0.01 "$script" 2>&1)" || status=$?
    [ -z "$(find /etc/apt -newer "$work/before" 2>/dev/null)" ] || fail "something was written under /etc/apt"
    [ -z "$(ls -A "$work/tmp")" ] || fail "its temporary folder was left behind"
}

calls() { grep -c "^apt-get.* $1 " "$work/log" || true; }

# The commands the script needs from the system, without sudo.
system_without_sudo() {
    mkdir -p "$work/system"
    for tool in bash env grep cut awk sleep mktemp rm mkdir chmod tail cat; do
        ln -sf "$(command -v "$tool")" "$work/system/$tool"
    done
    echo "$work/system"
}

mirror_error="E: Failed to fetch http://deb.debian.org/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?"
broken_error="E: Unable to correct problems, you have held broken packages."
lock_error="E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (unattended-upgr)"
UPDATE_ERROR="$mirror_error" INSTALL_ERROR="$broken_error"

FAIL_UPDATES=0 FAIL_INSTALLS=0
run "everything installed" installed
[ "$status" -eq 0 ] && [ -z "$out" ] || fail "not silent: $out"
[ "$(calls update)$(calls install)" = 00 ] || fail "apt-get was run"

FAIL_UPDATES=2 FAIL_INSTALLS=0
run "two failed updates"
[ "$status" -eq 0 ] || fail "exit $status"
[ "$(calls update)" = 3 ] || fail "$(calls update) updates, not 3"
[ "$(grep -c 'trying again in' <<<"$out")" = 2 ] || fail "no line for each retry: $out"
grep -q 'trying again in 15 s' <<<"$out" || fail "the pauses do not grow: $out"
[ "$(grep -m1 -e '^sudo dpkg --add-architecture i386$' -e '^apt-get' "$work/log")" = \
  "sudo dpkg --add-architecture i386" ] || fail "i386 is not added before the first update"
[ "$(calls install)" = 1 ] && ! grep -q PreferencesParts "$work/log" || fail "a fallback install ran"

FAIL_UPDATES=9 FAIL_INSTALLS=0
run "updates that never work"
[ "$status" -eq 0 ] || fail "exit $status"
[ "$(calls update)" = 4 ] || fail "$(calls update) updates, not 4"
grep -q '^Warning: apt-get update failed 4 times; going on' <<<"$out" || fail "no warning: $out"
[ "$(calls install)" = 1 ] || fail "the install was not tried"

FAIL_UPDATES=0 FAIL_INSTALLS=1
run "a failed install"
[ "$status" -eq 0 ] || fail "exit $status"
[ "$(calls install)" = 2 ] || fail "$(calls install) installs, not 2"
grep -q '^apt-get .*-o Dir::Etc::PreferencesParts=/.* install ' "$work/log" ||
    fail "the second install names no preferences folder"
grep -q '^Pin: release l=Debian-Security$' "$work/log" && grep -q '^Pin-Priority: 100$' "$work/log" ||
    fail "the preferences folder holds no pin of the security suite"
grep -q 'trying once more with the security suite pinned' <<<"$out" || fail "the fallback is not said: $out"

FAIL_UPDATES=0 FAIL_INSTALLS=2
run "an install that fails twice"
[ "$status" -ne 0 ] || fail "exit 0"
grep -q 'held broken packages' <<<"$out" || fail "apt's own lines are not shown: $out"
grep -q 'The packages asked for: .*wine32:i386' <<<"$out" || fail "the packages are not named: $out"

FAIL_UPDATES=0 FAIL_INSTALLS=0
SYSTEM_PATH="$(system_without_sudo)"
rm -rf "$work/bin"
NO_SUDO=1 run "not root, and no sudo"
[ "$status" -ne 0 ] || fail "exit 0"
grep -q 'needs root: run this script as root, or install sudo' <<<"$out" || fail "root is not asked for: $out"
[ "$(calls update)$(calls install)" = 00 ] || fail "apt-get was run without root"
unset SYSTEM_PATH
rm -rf "$work/bin"

FAIL_UPDATES=1 FAIL_INSTALLS=1 UPDATE_ERROR="$lock_error" INSTALL_ERROR="$lock_error"
run "another apt holding the lock"
[ "$status" -ne 0 ] || fail "exit 0"
[ -z "$(grep '^apt-get' "$work/log" | grep -v -e '-o DPkg::Lock::Timeout=[1-9][0-9][0-9] ')" ] ||
    fail "an apt-get does not wait a few minutes for the lock: $(cat "$work/log")"
grep -q 'update failed (another apt or dpkg holds its lock: E: Could not get lock' <<<"$out" ||
    fail "the update does not name the lock: $out"
grep -q 'another apt or dpkg held the package system.s lock' <<<"$out" ||
    fail "the install does not name the lock: $out"
! grep -qi 'mirror' <<<"$out" || fail "the mirror is blamed: $out"
[ "$(calls install)" = 1 ] || fail "the pinned install was tried for a held lock"

[ "$failures" -eq 0 ] && echo "install-deps.sh: every decision as expected"
exit "$failures"
