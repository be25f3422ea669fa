# Shared by the Wine scripts and tests/e2e/lib.sh (source it, do not run it):
# one Wine prefix per flavour under build/wine/, one Xvfb display per test run.

TSR_ROOT=${TSR_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export TSR_ROOT

tsr_log() { echo "[$(date +%H:%M:%S)] $*" >&2; }

# ---- which flavours can run here ---------------------------------------------
# Some machines refuse to execute 32-bit Linux programs ("Exec format error").
# Wine runs 32-bit Windows programs only through its 32-bit loader, so there
# the win32 flavour is built but cannot run; and Debian's `wine` command
# prefers that loader even for 64-bit programs, so every call must go to the
# 64-bit loader directly.

TSR_WINE32_LOADER=${TSR_WINE32_LOADER:-/usr/lib/wine/wine}
TSR_WINE64_LOADER=${TSR_WINE64_LOADER:-/usr/lib/wine/wine64}

# tsr_loader_runs LOADER: true when LOADER executes on this machine.
tsr_loader_runs() {
  [ -f "$1" ] && [ -x "$1" ] && timeout 30 "$1" --version >/dev/null 2>&1
}

# Decides once per run (the answer is exported to nested scripts) whether the
# win32 flavour can run; where it cannot, puts a `wine` that calls the 64-bit
# loader first on PATH (Debian's wineboot and friends call `wine-stable`).
tsr_detect_flavours() {
  if [ -z "${TSR_CAN_RUN_WIN32:-}" ]; then
    if tsr_loader_runs "$TSR_WINE32_LOADER"; then TSR_CAN_RUN_WIN32=1; else TSR_CAN_RUN_WIN32=0; fi
    export TSR_CAN_RUN_WIN32
  fi
  [ "$TSR_CAN_RUN_WIN32" = 1 ] && return 0
  local shims="$TSR_ROOT/build/wine/loader64"
  if [ ! -x "$shims/wine" ] || ! grep -qF "$TSR_WINE64_LOADER" "$shims/wine"; then
    mkdir -p "$shims"
    local name
    for name in wine wine-stable; do
      printf '#!/bin/sh\nexport WINELOADER="%s"\nexec "%s" "$@"\n' \
        "$TSR_WINE64_LOADER" "$TSR_WINE64_LOADER" >"$shims/$name.$$"
      chmod +x "$shims/$name.$$"
      mv -f "$shims/$name.$$" "$shims/$name"
    done
  fi
  case ":$PATH:" in *":$shims:"*) ;; *) export PATH="$shims:$PATH" ;; esac
}

# The flavours that run here, the release flavour first.
tsr_runnable_flavours() {
  tsr_detect_flavours
  if [ "$TSR_CAN_RUN_WIN32" = 1 ]; then echo "win32 win64"; else echo "win64"; fi
}

# The flavour a single program run uses (make run, make bench, make admin):
# the release flavour where it can run.
tsr_main_flavour() {
  local flavours
  flavours=$(tsr_runnable_flavours)
  echo "${flavours%% *}"
}

TSR_NO_WIN32_NOTE="this machine cannot execute 32-bit programs; the win32 flavour was built but not run"

# Prints the one-line note when the win32 flavour cannot run here.
tsr_flavour_note() {
  tsr_detect_flavours
  [ "$TSR_CAN_RUN_WIN32" = 1 ] || echo "note: $TSR_NO_WIN32_NOTE"
}

tsr_wineserver_bin() {
  local candidate
  for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver32 /usr/lib/wine/wineserver; do
    [ -x "$candidate" ] && { echo "$candidate"; return 0; }
  done
  command -v wineserver
}

tsr_check_flavour() {
  case "$1" in
    win32|win64) ;;
    *) echo "unknown flavour '$1' (win32 or win64)" >&2; return 2 ;;
  esac
  if [[ " $(tsr_runnable_flavours) " != *" $1 "* ]]; then
    echo "the $1 flavour cannot run here: $TSR_NO_WIN32_NOTE" >&2
    return 2
  fi
}

# Exports the prefix of a flavour for every wine call that follows.
tsr_prefix() {
  tsr_check_flavour "$1" || return 2
  export TSR_FLAVOUR=$1
  export WINEPREFIX="$TSR_ROOT/build/wine/$1"
  export WINEARCH=$1
  export WINEDEBUG=-all
}

# Creates the current flavour's prefix once; later calls find it ready. A
# prefix whose creation broke off (no marker) is made again from scratch.
tsr_ensure_prefix() {
  [ -n "${WINEPREFIX:-}" ] || { echo "tsr_ensure_prefix: call tsr_prefix first" >&2; return 2; }
  [ -f "$WINEPREFIX/.tsr-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/.tsr-ready" ] && exit 0
    local started=$SECONDS
    tsr_log "creating Wine prefix $WINEPREFIX ($WINEARCH)"
    rm -rf "$WINEPREFIX"
    # No Mono/Gecko install dialogs; no display needed for this.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >"$WINEPREFIX.log" 2>&1 || {
      echo "wineboot failed, see $WINEPREFIX.log" >&2; exit 1; }
    # Without a window manager Wine draws the window frames itself, so
    # screenshots show captions and borders.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$WINEPREFIX.log" 2>&1
    "$(tsr_wineserver_bin)" -w
    touch "$WINEPREFIX/.tsr-ready"
    tsr_log "prefix $WINEARCH ready in $((SECONDS - started)) s"
  ) 9>"$WINEPREFIX.lock"
}

# The prefixes of every flavour that runs here, created side by side when new
# (a test run needs them all, and together they take little longer than one).
tsr_ensure_all_prefixes() {
  local flavour pid failed=0 pids=()
  for flavour in $(tsr_runnable_flavours); do
    (tsr_prefix "$flavour" && tsr_ensure_prefix) &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  [ $failed -eq 0 ] || echo "a Wine prefix could not be created" >&2
  return $failed
}

# A wineserver that stays up between the many short wine runs of a test run
# (saves its start-up on each run); tsr_wineserver_stop ends it.
tsr_wineserver_start() {
  # A server still shutting down from an earlier run would refuse new
  # programs in its last moments: let it finish first.
  timeout 20 "$(tsr_wineserver_bin)" -w 2>/dev/null
  "$(tsr_wineserver_bin)" -p
}

tsr_wineserver_stop() {
  "$(tsr_wineserver_bin)" -k >/dev/null 2>&1 || true
  "$(tsr_wineserver_bin)" -w >/dev/null 2>&1 || true
}

tsr_display_usable() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

# Starts our own Xvfb on a free display and exports DISPLAY. Does nothing when
# this run already owns one (nested scripts reuse the parent's display).
tsr_display_start() {
  if [ -n "${TSR_XVFB_PID:-}" ] && kill -0 "$TSR_XVFB_PID" 2>/dev/null; then
    return 0
  fi
  local numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 3>"$numfile" &
  TSR_XVFB_PID=$!
  local waited=0
  while [ ! -s "$numfile" ] && [ $waited -lt 100 ]; do
    kill -0 "$TSR_XVFB_PID" 2>/dev/null || break
    sleep 0.1
    waited=$((waited + 1))
  done
  if [ ! -s "$numfile" ]; then
    rm -f "$numfile"
    echo "Xvfb did not start" >&2
    TSR_XVFB_PID=
    return 1
  fi
  export DISPLAY=":$(tr -dc '0-9' <"$numfile")"
  export TSR_XVFB_PID
  rm -f "$numfile"
}

tsr_display_stop() {
  if [ -n "${TSR_XVFB_PID:-}" ]; then
    kill "$TSR_XVFB_PID" 2>/dev/null || true
    wait "$TSR_XVFB_PID" 2>/dev/null || true
    TSR_XVFB_PID=
  fi
}

# Paths of built programs of a flavour.
tsr_build_dir() { echo "$TSR_ROOT/build/${1:-$TSR_FLAVOUR}"; }
tsr_driver_exe() { echo "$(tsr_build_dir "$@")/tests/driver/uidriver.exe"; }
tsr_runner_exe() { echo "$(tsr_build_dir "$@")/runner/Tessarin.exe"; }
tsr_admin_exe() { echo "$(tsr_build_dir "$@")/admin/TsrAdmin.exe"; }
tsr_setup_exe() { echo "$(tsr_build_dir "$@")/setup/Kelvane.exe"; }

# Milliseconds since the epoch.
tsr_now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# tsr_short_date LANG DAYS: today plus DAYS (may be negative) as Windows writes
# a short date for that locale. "Today" cannot be moved under Wine, so
# scenarios compute their dates relative to it.
tsr_short_date() {
  local lang=${1%%.*} days=${2:-0} format
  case "$lang" in
    en_US) format='%-m/%-d/%Y' ;;
    en_GB) format='%d/%m/%Y' ;;
    de_DE) format='%-d.%-m.%Y' ;;
    *) echo "tsr_short_date: no short date format known for '$1'" >&2; return 2 ;;
  esac
  date -d "$days days" +"$format"
}

tsr_detect_flavours
