# Sourced by the scripts that run Windows programs: Wine's settings and the template prefix.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32

LT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# True when FILE of the build exists, after building TARGET when a build of only the programs
# left it out; otherwise says what is missing and WHAT follows from that.
lt_built() {
  local build=$1 target=$2 file=$3 what=$4
  if [ ! -f "$file" ] && [ -f "$build/CMakeCache.txt" ]; then
    cmake --build "$build" --target "$target" >/dev/null 2>&1 || true
  fi
  [ -f "$file" ] && return 0
  echo "$target: $file is not built; $what" >&2
  return 1
}

# What the template is made from: these settings, the prefix steps and the remote-access
# stand-in they copy into it. A template made from other versions of them is made again, so a
# change reaches every run.
lt_template_stamp() {
  local build=$1
  cat "$LT_ROOT/scripts/wine-common.sh" "$LT_ROOT"/scripts/prefix.d/*.sh \
      "$build/tools/ras-standin/rasapi32.dll" 2>/dev/null | sha1sum | cut -d' ' -f1
}

# Makes the run's template prefix once: booted, on a virtual desktop (a notification area,
# and windows that take focus), with every step of scripts/prefix.d applied. Parallel test
# runs wait for the one that makes it.
lt_make_template() {
  local template=$1 build=$2
  mkdir -p "$(dirname "$template")"
  (
    flock 9
    [ "$(cat "$template/.ready" 2>/dev/null)" = "$(lt_template_stamp "$build")" ] && exit 0
    rm -rf "$template"
    export WINEPREFIX=$template
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
    for step in "$LT_ROOT"/scripts/prefix.d/*.sh; do
      [ -e "$step" ] || continue
      LT_BUILD_DIR=$build bash "$step" || { echo "prefix step failed: $step" >&2; exit 1; }
    done
    wineserver -w
    lt_template_stamp "$build" >"$template/.ready"
  ) 9>"$template.lock"
}
