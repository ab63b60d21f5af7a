#!/usr/bin/env bash
# Measures Festorin at the table's limit of 32,767 people, the native
# benchmarks and the real Festorin.exe under Wine in one run, and prints the
# README's table "Performance at 32,767 people".
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
out=build/performance
mkdir -p "$out"

echo "== Native benchmarks (three repetitions; the exchange sorts take a minute)" >&2
cmake --preset bench >/dev/null
cmake --build --preset bench >&2
./build/bench/festorin_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/native.json" --benchmark_out_format=json >&2

echo "== Start-up and memory of Festorin.exe under Wine" >&2
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target festorin_start_up_probe >&2
FESTORIN_EXE="$PWD/build/win32/Festorin.exe" \
    ./scripts/wine-run.sh build/win32/festorin_start_up_probe.exe >"$out/wine.json"

python3 scripts/lib/performance_table.py "$out/native.json" "$out/wine.json"
