#!/usr/bin/env bash
# Installs the Debian packages that building and testing Festorin needs.
# Idempotent, and silent when everything is already there. The 64-bit
# compilers and wine64 run the Windows tests on a machine that cannot
# execute 32-bit code.
#
# A Debian mirror in the middle of a sync is an ordinary event: a failed
# `apt-get update` is tried again after growing pauses and then left behind
# with a warning, and a failed install is tried once more with the security
# suite pinned below the main suites, which keeps amd64 and i386 on the same
# versions when only one architecture's security list came through.
# Another apt or dpkg (an unattended upgrade, a second run of this script)
# may hold the package system's lock: every apt-get waits for it a few
# minutes, and a failure it causes is named as such.
# $FESTORIN_APT_PAUSE_SCALE scales the pauses (the script's own test makes
# them tiny).
set -euo pipefail

packages=(cmake g++ googletest libbenchmark-dev clang-format
          clang libclang-rt-14-dev python3
          g++-mingw-w64-i686 mingw-w64-tools
          wine wine32:i386 fonts-wine xvfb imagemagick xauth x11-utils nsis locales
          g++-mingw-w64-x86-64 wine64
          python3-icalendar python3-dateutil libical-dev pkg-config)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Installing the missing packages (${missing[*]}) needs root: run this script as" \
             "root, or install sudo." >&2
        exit 1
    fi
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
update_pauses=(5 15 30)
pause_scale="${FESTORIN_APT_PAUSE_SCALE:-1}"
lock_wait_s=300

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The first line apt marked as an error, or else its last line, for a
# one-line report.
first_error() {
    { grep -m1 '^E:' "$1" || grep -v '^[[:space:]]*$' "$1" | tail -n1; } | cut -c1-200 || true
}

held_lock() {
    grep -q -e 'Could not get lock' -e 'Unable to acquire the dpkg frontend lock' \
        -e 'Unable to lock' "$1"
}

apt_get() {
    $sudo apt-get -o "DPkg::Lock::Timeout=$lock_wait_s" "$@"
}

why_update_failed() {
    if held_lock "$1"; then
        echo "another apt or dpkg holds its lock: $(first_error "$1")"
    else
        first_error "$1"
    fi
}

update_package_lists() {
    local try=1 pause
    while ! apt_get update -qq >"$work/update.log" 2>&1; do
        if [ "$try" -gt ${#update_pauses[@]} ]; then
            echo "Warning: apt-get update failed $try times; going on with the package lists" \
                 "there are ($(why_update_failed "$work/update.log"))."
            return 0
        fi
        pause="${update_pauses[$((try - 1))]}"
        echo "apt-get update failed ($(why_update_failed "$work/update.log")); trying again in" \
             "${pause} s ($try of ${#update_pauses[@]})."
        sleep "$(awk -v p="$pause" -v s="$pause_scale" 'BEGIN { print p * s }')"
        try=$((try + 1))
    done
}

install_packages() {
    apt_get "$@" install -y -qq --no-install-recommends "${missing[@]}" >"$work/install.log" 2>&1
}

# Only for the one install that follows: nothing is written under /etc/apt.
pin_security_suite_low() {
    mkdir -p "$work/preferences.d"
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' \
        >"$work/preferences.d/festorin-security-low.pref"
    chmod 755 "$work" "$work/preferences.d"
    chmod 644 "$work/preferences.d/festorin-security-low.pref"
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
update_package_lists
install_packages && exit 0

if held_lock "$work/install.log"; then
    echo "apt-get install failed: another apt or dpkg held the package system's lock for" \
         "${lock_wait_s} s ($(first_error "$work/install.log")). Let it finish (an unattended" \
         "upgrade, or another run of this script), then run this script again." >&2
    exit 1
fi

echo "apt-get install failed ($(first_error "$work/install.log")); trying once more with the" \
     "security suite pinned below the main suites, as a mirror mid-sync leaves it out of step" \
     "between architectures."
pin_security_suite_low
install_packages -o "Dir::Etc::PreferencesParts=$work/preferences.d" && exit 0

echo "apt-get install failed again. Its last lines:" >&2
tail -n 15 "$work/install.log" >&2
echo "The packages asked for: ${missing[*]}" >&2
exit 1
