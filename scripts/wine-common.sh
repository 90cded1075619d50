# Sourced by the scripts that run Windows programs: Wine's settings, which Wine runs which
# build, and the template prefix.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

LT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Why this machine cannot run the 32-bit build, or nothing when it can. Only starting Wine's
# 32-bit loader tells: a kernel without IA-32 emulation refuses it whatever is installed.
lt_win32_unavailable() {
  local out
  [ -e /usr/lib/wine/wine ] || { echo "Wine's 32-bit loader is not installed"; return; }
  out=$(/usr/lib/wine/wine --version 2>&1) && return
  echo "Wine's 32-bit loader cannot start here (${out##*: }): the machine runs no 32-bit code"
}

# The architecture a build folder was configured for: win64 (x86_64) or win32 (i686).
lt_build_arch() {
  grep -q '^CMAKE_TOOLCHAIN_FILE:[A-Z]*=.*x86_64' "$1/CMakeCache.txt" 2>/dev/null && echo win64 || echo win32
}

# Wine's commands (wine, wineboot, winepath, regedit...) run ARCH's programs from here on.
lt_use_arch() {
  export WINEARCH=$1
  case "$1:$PATH:" in
    win64:*":$LT_ROOT/scripts/wine64:"*) ;;
    win64:*) export PATH=$LT_ROOT/scripts/wine64:$PATH ;;
  esac
}

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
    lt_use_arch "$(lt_build_arch "$build")"
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
