#!/usr/bin/env bash
# Every test: installs what is missing, builds the three trees, runs the host tests (ASan + UBSan),
# a short run of every fuzz target, the import check of both Windows builds, and the Windows tests
# of the x86_64 build under Wine; it ends with CTest's summaries.
# Exit status is non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."

step() { printf '\n== %s\n' "$*"; }

step "bootstrap"
scripts/bootstrap.sh || exit 1

for preset in host win64 win32; do
  step "build $preset"
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" || exit 1
done

failed=()
step "fuzz targets (short runs)"
scripts/fuzz.sh "${KORVEL_FUZZ_SECONDS:-10}" || failed+=("fuzz")

step "Wine prefix"
prefix="$PWD/build/win64/wineprefix"
# A new prefix for every run, so that no state of an earlier run leaks into this one.
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
rm -rf "$prefix"
scripts/prepare_wine_prefix.sh "$prefix" win10 || exit 1

for preset in host win32 win64; do
  step "tests: $preset"
  ctest --preset "$preset" || failed+=("$preset")
done
WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true

if [ ${#failed[@]} -ne 0 ]; then
  printf '\nFAILED test trees: %s\n' "${failed[*]}"
  exit 1
fi
printf '\nAll test trees passed: host, win32, win64, fuzz.\n'
