#!/usr/bin/env bash
# The remote-access stand-in as the prefix's rasapi32.dll: a native DLL in the system folder,
# preferred to Wine's own by a DLL override, so programs load it the way Windows would. It
# answers from the script named by HKCU\Software\RasStandin\ScriptFile (none: no connection).
set -eu
build=$LT_BUILD_DIR
dll=$build/tools/ras-standin/rasapi32.dll
# A build of only the programs leaves the stand-in out; it is built here then.
if [ ! -f "$dll" ] && [ -f "$build/CMakeCache.txt" ]; then
  cmake --build "$build" --target ras_standin >/dev/null 2>&1 || true
fi
if [ ! -f "$dll" ]; then
  echo "ras-standin: $dll is not built; the prefix keeps Wine's remote-access library" >&2
  exit 0
fi
cp "$dll" "$WINEPREFIX/drive_c/windows/system32/rasapi32.dll"
wine reg add 'HKCU\Software\Wine\DllOverrides' /v rasapi32 /d native,builtin /f >/dev/null 2>&1
