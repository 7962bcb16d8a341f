#!/usr/bin/env bash
# Runs a Windows program under wine64 in the prefix named by WINEPREFIX (CTest's emulator for the
# Windows tests). Quiet, and without Mono or Gecko prompts.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix (scripts/prepare_wine_prefix.sh makes one)}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
exec "$WINE64" "$@"
