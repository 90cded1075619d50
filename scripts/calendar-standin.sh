#!/usr/bin/env bash
# Makes the calendar stand-in the calendar client of one Wine prefix: registers the server DLL
# under the client's ProgID, gives it a calendar file and writes the client's master category
# list. Only that prefix is touched.
# Usage: calendar-standin.sh BUILD_DIR [CALENDAR.ics]   (env: WINEPREFIX)
set -euo pipefail
source "$(dirname "$0")/wine-common.sh"
: "${WINEPREFIX:?set WINEPREFIX to the prefix to prepare}"

build=$1
[ -n "${WINEARCH:-}" ] || lt_use_arch "$(lt_build_arch "$build")"
calendar=${2:-$LT_ROOT/tools/calendar-standin/sample.ics}
dll=$build/tools/calendar-standin/calendar_standin.dll
lt_built "$build" calendar_standin "$dll" "the calendar client stays missing" || exit 0

# The prefix keeps its own copy, so tests and runs can change it freely.
folder=$WINEPREFIX/drive_c/calendar-standin
mkdir -p "$folder"
cp "$calendar" "$folder/calendar.ics"

wine regsvr32 /s "$(winepath -w "$dll")" >/dev/null 2>&1
wine reg add 'HKCU\Software\CalendarStandin' /v CalendarFile /t REG_SZ \
  /d 'C:\calendar-standin\calendar.ics' /f >/dev/null 2>&1
# The client's master category list: each name followed by ";".
wine reg add 'HKCU\Software\Microsoft\Office\8.0\Outlook\Categories' /ve /t REG_SZ \
  /d 'Holiday;Travel;Work;Birthday;' /f >/dev/null 2>&1
wine reg query 'HKCR\Outlook.Application\CLSID' >/dev/null 2>&1 || {
  echo "calendar-standin: registering $dll failed" >&2
  exit 1
}
