# Sourced by the scripts that run Windows programs: Wine's settings and the template prefix.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32

LT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Makes the run's template prefix once: booted, on a virtual desktop (a notification area,
# and windows that take focus), with every step of scripts/prefix.d applied.
lt_make_template() {
  local template=$1 build=$2
  [ -f "$template/.ready" ] && return 0
  rm -rf "$template"
  mkdir -p "$(dirname "$template")"
  (
    export WINEPREFIX=$template
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
    for step in "$LT_ROOT"/scripts/prefix.d/*.sh; do
      [ -e "$step" ] || continue
      LT_BUILD_DIR=$build bash "$step" || { echo "prefix step failed: $step" >&2; exit 1; }
    done
    wineserver -w
  ) || return 1
  touch "$template/.ready"
}
