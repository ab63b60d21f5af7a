#!/usr/bin/env bash
# Runs every test: the native unit tests, the same tests as a Windows program
# under Wine, the end-to-end tests that drive the real Festorin.exe, and a
# short pass of every fuzz target over its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

echo "== Native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j2

echo "== Windows build, unit tests and end-to-end tests under Wine"
cmake --preset win32 >/dev/null
cmake --build --preset win32
ctest --preset win32

echo "== Fuzz pass"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
