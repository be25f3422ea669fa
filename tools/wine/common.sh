# Shared by the Wine scripts and tests/e2e/lib.sh (source it, do not run it):
# one Wine prefix per flavour under build/wine/, one Xvfb display per test run.

TSR_ROOT=${TSR_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export TSR_ROOT

tsr_log() { echo "[$(date +%H:%M:%S)] $*" >&2; }

tsr_wineserver_bin() {
  local candidate
  for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver32 /usr/lib/wine/wineserver; do
    [ -x "$candidate" ] && { echo "$candidate"; return 0; }
  done
  command -v wineserver
}

tsr_check_flavour() {
  case "$1" in
    win32|win64) return 0 ;;
    *) echo "unknown flavour '$1' (win32 or win64)" >&2; return 2 ;;
  esac
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

# Both flavours' prefixes, created side by side when new (a test run needs
# both, and together they take little longer than one).
tsr_ensure_all_prefixes() {
  local flavour pid failed=0 pids=()
  for flavour in win32 win64; do
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
