#!/usr/bin/env bash
# Creates or updates a Wine prefix at DIR the way the tests and the demo need it:
#   scripts/prepare_wine_prefix.sh DIR [WINDOWS_VERSION]
# WINDOWS_VERSION is one of Wine's names (winxp, win7, win81, win10, ...); win10 by default.
set -euo pipefail
dir="${1:?usage: prepare_wine_prefix.sh DIR [WINDOWS_VERSION]}"
version="${2:-win10}"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"
export WINEPREFIX="$dir"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$dir/system.reg" ]; then
  echo "[wine] creating prefix $dir"
  "$here/wine_run.sh" wineboot -i >/dev/null 2>&1
fi
echo "[wine] Windows version $version"
"$here/wine_run.sh" reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
# Registry writes reach system.reg/user.reg once the server has flushed them.
wineserver -w
