#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) and runs each for SECONDS (default 20).
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus_root="$PWD/build/fuzz/corpus"
status=0
for fuzzer in build/fuzz/bin/*_fuzzer; do
  name=$(basename "$fuzzer")
  mkdir -p "$corpus_root/$name"
  echo "[fuzz] $name for ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$corpus_root/$name" >"build/fuzz/$name.log" 2>&1; then
    echo "[fuzz] $name FAILED; see build/fuzz/$name.log"
    tail -n 30 "build/fuzz/$name.log"
    status=1
  else
    grep -E 'stat::number_of_executed_units' "build/fuzz/$name.log" | sed "s/^/[fuzz] $name: /"
  fi
done
exit $status
