#!/usr/bin/env bash
# Runs every test: the native unit tests, the same tests as a Windows program
# under Wine, the end-to-end tests that drive the real Festorin.exe, and a
# short pass of every fuzz target over its seeds.
#
# The Windows tests run the shipped 32-bit build. A machine that cannot
# execute 32-bit code still builds it, and runs the Windows tests on a
# 64-bit build of the same sources under wine64 instead; the installer's
# test, which needs the 32-bit programs, cannot run there.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
source scripts/lib/machine.sh

if runs_32_bit_code; then
    tested=win32
    echo "== Windows tests on the shipped 32-bit build: this machine executes 32-bit code."
else
    tested=win64
    echo "== Windows tests on a 64-bit build under wine64: this machine cannot execute" \
         "32-bit code ($no_32_bit_reason)."
fi

echo "== Native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j2

echo "== Windows build: the shipped 32-bit Festorin.exe and Festorin-Setup.exe"
cmake --preset win32 >/dev/null
if [ "$tested" = win32 ]; then
    cmake --build --preset win32
else
    # Only the shipped programs: the tests are built, and run, for 64-bit.
    cmake --build --preset win32 --target Festorin festorin_setup
fi
if [ "$tested" = win64 ]; then
    echo "== The same sources built for 64-bit Windows: unit tests and end-to-end tests under wine64"
    cmake --preset win64 >/dev/null
    cmake --build --preset win64
fi
echo "== Windows unit tests and end-to-end tests under Wine ($tested)"
ctest --preset "$tested"
if [ "$tested" = win64 ]; then
    echo "Not run: installer, as Festorin-Setup.exe and the Festorin.exe it installs are" \
         "32-bit programs, which this machine cannot execute."
fi

echo "== Fuzz pass"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
