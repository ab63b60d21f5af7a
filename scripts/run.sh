#!/usr/bin/env bash
# Builds Festorin.exe and starts it under Wine: on the user's display when
# there is one, otherwise inside Xvfb, where it runs unseen. On a machine
# that cannot execute 32-bit code it starts the 64-bit build under wine64.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
source scripts/lib/machine.sh
build=win32
if ! runs_32_bit_code; then
    build=win64
    export FESTORIN_WINEARCH=win64
    echo "This machine cannot execute 32-bit code ($no_32_bit_reason): starting the 64-bit" \
         "build of Festorin under wine64 instead of the shipped 32-bit one."
fi
cmake --preset "$build" >/dev/null
cmake --build --preset "$build" --target Festorin

if [ -n "${DISPLAY:-}" ]; then
    echo "Starting Festorin under Wine on display $DISPLAY."
    FESTORIN_DISPLAY="$DISPLAY" exec ./scripts/wine-run.sh "build/$build/Festorin.exe"
fi
echo "No display (DISPLAY is not set): starting Festorin under Wine inside Xvfb, where it" \
     "runs unseen until you end it with Ctrl+C."
exec ./scripts/wine-run.sh "build/$build/Festorin.exe"
