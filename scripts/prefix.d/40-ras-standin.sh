#!/usr/bin/env bash
# The remote-access stand-in as the prefix's rasapi32.dll: a native DLL in the system folder,
# preferred to Wine's own by a DLL override, so programs load it the way Windows would. It
# answers from the script named by HKCU\Software\RasStandin\ScriptFile (none: no connection).
set -eu
source "$(dirname "$0")/../wine-common.sh"
dll=$LT_BUILD_DIR/tools/ras-standin/rasapi32.dll
lt_built "$LT_BUILD_DIR" ras_standin "$dll" "the prefix keeps Wine's remote-access library" || exit 0
cp "$dll" "$WINEPREFIX/drive_c/windows/system32/rasapi32.dll"
wine reg add 'HKCU\Software\Wine\DllOverrides' /v rasapi32 /d native,builtin /f >/dev/null 2>&1
