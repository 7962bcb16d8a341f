#!/usr/bin/env bash
# Builds the installer and runs it under Wine the way a user's silent start would, then shows its
# exit code and the log file it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/bootstrap.sh
echo "[demo] building the x86_64 installer"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target lite_installer exit_code_runner

prefix="$PWD/build/demo/wineprefix"
scripts/prepare_wine_prefix.sh "$prefix" win10
export WINEPREFIX="$prefix"

temp_dir=$(scripts/wine_run.sh cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
log_unix=$(scripts/wine_run.sh winepath -u "$temp_dir\\lite_installer.log" 2>/dev/null | tr -d "\r")
echo "[demo] log file: $temp_dir\\lite_installer.log"
rm -f "$log_unix"

echo "[demo] running: lite_installer.exe --silent"
result=$(scripts/wine_run.sh build/win64/bin/exit_code_runner.exe build/win64/bin/lite_installer.exe --silent | tr -d '\r')
echo "$result"
case "$result" in
  "exit code: 400") echo "[demo] 400: the installation ran its start-up and ended with nothing installed" ;;
  "exit code: 401") echo "[demo] 401: the setup archive could not be downloaded" ;;
  "exit code: 402") echo "[demo] 402: the setup archive failed verification" ;;
  "exit code: 600") echo "[demo] 600: another installer instance is running" ;;
esac
echo
echo "[demo] the log it wrote:"
cat "$log_unix"
# Let the server end by itself: it saves the prefix's registry on the way out.
wineserver -w
