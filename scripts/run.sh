#!/usr/bin/env bash
# Builds Festorin.exe and starts it under Wine: on the user's display when
# there is one, otherwise inside Xvfb, where it runs unseen.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Festorin

if [ -n "${DISPLAY:-}" ]; then
    echo "Starting Festorin under Wine on display $DISPLAY."
    FESTORIN_DISPLAY="$DISPLAY" exec ./scripts/wine-run.sh build/win32/Festorin.exe
fi
echo "No display (DISPLAY is not set): starting Festorin under Wine inside Xvfb, where it" \
     "runs unseen until you end it with Ctrl+C."
exec ./scripts/wine-run.sh build/win32/Festorin.exe
