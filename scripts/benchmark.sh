#!/usr/bin/env bash
# Prints the performance figures of the Windows code under Wine (log lines per second).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target log_benchmark >/dev/null
prefix="$PWD/build/win64/wineprefix"
[ -f "$prefix/system.reg" ] || scripts/prepare_wine_prefix.sh "$prefix" win10
WINEPREFIX="$prefix" scripts/wine_run.sh build/win64/bin/log_benchmark.exe
