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
# $FESTORIN_APT_PAUSE_SCALE scales the pauses (the script's own test makes
# them tiny).
set -euo pipefail

packages=(cmake g++ googletest libbenchmark-dev clang-format
          clang libclang-rt-14-dev python3
          g++-mingw-w64-i686 mingw-w64-tools
          wine wine32:i386 fonts-wine xvfb imagemagick xauth x11-utils nsis locales
          g++-mingw-w64-x86-64 wine64)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
update_pauses=(5 15 30)
pause_scale="${FESTORIN_APT_PAUSE_SCALE:-1}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The first line apt marked as an error, for a one-line report.
first_error() {
    grep -m1 '^E:' "$1" | cut -c1-200 || true
}

update_package_lists() {
    local try=1 pause
    while ! $sudo apt-get update -qq >"$work/update.log" 2>&1; do
        if [ "$try" -gt ${#update_pauses[@]} ]; then
            echo "Warning: apt-get update failed $try times; going on with the package lists" \
                 "there are ($(first_error "$work/update.log"))."
            return 0
        fi
        pause="${update_pauses[$((try - 1))]}"
        echo "apt-get update failed ($(first_error "$work/update.log")); trying again in ${pause} s" \
             "($try of ${#update_pauses[@]})."
        sleep "$(awk -v p="$pause" -v s="$pause_scale" 'BEGIN { print p * s }')"
        try=$((try + 1))
    done
}

install_packages() {
    $sudo apt-get "$@" install -y -qq --no-install-recommends "${missing[@]}" >"$work/install.log" 2>&1
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

echo "apt-get install failed ($(first_error "$work/install.log")); trying once more with the" \
     "security suite pinned below the main suites, as a mirror mid-sync leaves it out of step" \
     "between architectures."
pin_security_suite_low
install_packages -o "Dir::Etc::PreferencesParts=$work/preferences.d" && exit 0

echo "apt-get install failed again. Its last lines:" >&2
tail -n 15 "$work/install.log" >&2
echo "The packages asked for: ${missing[*]}" >&2
exit 1
