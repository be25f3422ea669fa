# Functions every end-to-end scenario uses. A scenario is a bash script named
# tests/e2e/<name>_test.sh that sources this file, drives the programs under
# Wine and ends with tsr_finish. Run alone it sets up its own display and
# Wine servers; run by run-all.sh it reuses the run's. For example:
#
#   source "$(dirname "$0")/lib.sh"
#   for flavour in $(tsr_flavours); do
#     tsr_prefix "$flavour"
#     tsr_app_folder Due >/dev/null            # C:\Tsr\Due with Tessarin.exe
#     tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0"
#     tsr_start "$TSR_APP_DIR" Tessarin.exe -U alice
#     tsr_driver wait-window --exe Tessarin.exe --timeout 20000 >/dev/null
#     tsr_screenshot "due-$flavour" >/dev/null
#     tsr_driver click --exe Tessarin.exe --id 7
#     tsr_wait_exit 10
#     assert_eq 0 "$TSR_EXIT_CODE" "exit code"
#     assert_file_contains "$TSR_APP_DIR/Profiles/alice.ini" "Last Run=$(tsr_short_date "$TSR_LANG" 0)"
#   done
#   tsr_finish
#
# TSR_FLAVOURS (default: the flavours that run here) and TSR_LANG (default en_US.UTF-8) may
# be set from outside; TSR_VERBOSE=1 prints every passed check.

set -u
source "$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine" && pwd)/common.sh"

TSR_SCENARIO=$(basename "${0%.sh}")
TSR_FAILURES=0
TSR_CHECKS=0
TSR_LANG=${TSR_LANG:-en_US.UTF-8}
TSR_STARTED_PIDS=()
TSR_OWN_SERVERS=()
TSR_SCREENSHOTS="$TSR_ROOT/build/screenshots"
TSR_LOG_DIR="$TSR_ROOT/build/e2e-logs/$TSR_SCENARIO"
rm -rf "$TSR_LOG_DIR"
mkdir -p "$TSR_LOG_DIR" "$TSR_SCREENSHOTS"

# ---- set-up and clean-up --------------------------------------------------

tsr_cleanup() {
  local pid flavour
  for pid in "${TSR_STARTED_PIDS[@]}"; do
    kill -0 "$pid" 2>/dev/null && kill "$pid" 2>/dev/null
  done
  for flavour in "${TSR_OWN_SERVERS[@]}"; do
    WINEPREFIX="$TSR_ROOT/build/wine/$flavour" tsr_wineserver_stop
  done
  [ -z "${TSR_E2E_RUN:-}" ] && tsr_display_stop
  return 0
}
trap tsr_cleanup EXIT
# Killed by a timeout or ^C: still clean up through the EXIT trap.
trap 'exit 143' TERM INT

if [ -z "${TSR_E2E_RUN:-}" ]; then
  tsr_display_start || { echo "$TSR_SCENARIO: no display" >&2; exit 1; }
fi

# Chooses the flavour for everything that follows: exports WINEPREFIX,
# WINEARCH and WINEDEBUG, and makes sure the prefix exists.
tsr_prefix() {
  tsr_check_flavour "$1" || exit 2
  export TSR_FLAVOUR=$1
  export WINEPREFIX="$TSR_ROOT/build/wine/$1"
  export WINEARCH=$1
  export WINEDEBUG=-all
  tsr_ensure_prefix || exit 1
  if [ -z "${TSR_E2E_RUN:-}" ] && [[ " ${TSR_OWN_SERVERS[*]} " != *" $1 "* ]]; then
    tsr_wineserver_start
    TSR_OWN_SERVERS+=("$1")
  fi
}

# The flavours a scenario should cover: those that run on this machine.
tsr_flavours() { echo "${TSR_FLAVOURS:-$(tsr_runnable_flavours)}"; }

# tsr_needs_flavour FLAVOUR: a scenario about one flavour alone ends here,
# as not run (exit code 77), where that flavour cannot run.
TSR_NOT_RUN=77
tsr_needs_flavour() {
  [[ " $(tsr_runnable_flavours) " == *" $1 "* ]] && return 0
  echo "$TSR_SCENARIO: not run: it needs the $1 flavour ($TSR_NO_WIN32_NOTE)"
  exit $TSR_NOT_RUN
}

# ---- assertions -------------------------------------------------------------

tsr_fail() {
  TSR_FAILURES=$((TSR_FAILURES + 1))
  echo "FAIL [$TSR_SCENARIO${TSR_FLAVOUR:+/$TSR_FLAVOUR}]: $*" >&2
}

tsr_pass() {
  [ -n "${TSR_VERBOSE:-}" ] && echo "ok: $*"
  return 0
}

# assert_eq EXPECTED ACTUAL [what]
assert_eq() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if [ "$1" == "$2" ]; then tsr_pass "${3:-value} is '$1'"; return 0; fi
  tsr_fail "${3:-value}: expected '$1', got '$2'"
  return 1
}

assert_ne() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if [ "$1" != "$2" ]; then tsr_pass "${3:-value} is not '$1'"; return 0; fi
  tsr_fail "${3:-value}: expected anything but '$1'"
  return 1
}

# assert_match REGEX ACTUAL [what]  (bash extended regular expression)
assert_match() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if [[ "$2" =~ $1 ]]; then tsr_pass "${3:-value} matches $1"; return 0; fi
  tsr_fail "${3:-value}: '$2' does not match /$1/"
  return 1
}

assert_no_match() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if ! [[ "$2" =~ $1 ]]; then tsr_pass "${3:-value} does not match $1"; return 0; fi
  tsr_fail "${3:-value}: '$2' matches /$1/"
  return 1
}

assert_file_exists() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if [ -f "$1" ]; then tsr_pass "$1 exists"; return 0; fi
  tsr_fail "file missing: $1"
  return 1
}

assert_file_missing() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if [ ! -e "$1" ]; then tsr_pass "$1 is absent"; return 0; fi
  tsr_fail "file should not exist: $1"
  return 1
}

# assert_file_contains FILE TEXT  (a fixed string, CR LF line ends allowed)
assert_file_contains() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if [ -f "$1" ] && tr -d '\r' <"$1" | grep -qF -- "$2"; then tsr_pass "$1 holds '$2'"; return 0; fi
  if [ -f "$1" ]; then tsr_fail "$1 does not hold '$2'"; else tsr_fail "file missing: $1 (wanted '$2')"; fi
  return 1
}

assert_file_not_contains() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if [ -f "$1" ] && ! tr -d '\r' <"$1" | grep -qF -- "$2"; then tsr_pass "$1 lacks '$2'"; return 0; fi
  if [ -f "$1" ]; then tsr_fail "$1 holds '$2' but should not"; else tsr_fail "file missing: $1"; fi
  return 1
}

# Ends the scenario: prints a summary, exits 1 when any check failed.
tsr_finish() {
  if [ "$TSR_CHECKS" -eq 0 ]; then
    tsr_fail "the scenario checked nothing"
  fi
  if [ "$TSR_FAILURES" -gt 0 ]; then
    echo "$TSR_SCENARIO: $TSR_FAILURES of $TSR_CHECKS checks failed"
    exit 1
  fi
  echo "$TSR_SCENARIO: all $TSR_CHECKS checks passed"
  exit 0
}

# ---- application folders and programs --------------------------------------

# tsr_app_folder NAME [FILE...]: a fresh folder C:\Tsr\NAME in the current
# prefix holding copies of the FILEs (default: this flavour's Tessarin.exe).
# Sets TSR_APP_DIR and TSR_APP_WINDIR and prints both, tab-separated; call it
# directly, not inside $(...), or the variables and a failure are lost.
tsr_app_folder() {
  local name=$1
  shift
  [ -n "${WINEPREFIX:-}" ] || { echo "tsr_app_folder: call tsr_prefix first" >&2; return 2; }
  [ $# -gt 0 ] || set -- "$(tsr_runner_exe)"
  TSR_APP_DIR="$WINEPREFIX/drive_c/Tsr/$name"
  TSR_APP_WINDIR="C:\\Tsr\\$name"
  rm -rf "$TSR_APP_DIR"
  mkdir -p "$TSR_APP_DIR"
  local file
  for file in "$@"; do
    if [ ! -f "$file" ]; then
      tsr_fail "tsr_app_folder: $file is not built"
      return 1
    fi
    cp "$file" "$TSR_APP_DIR/"
  done
  printf '%s\t%s\n' "$TSR_APP_DIR" "$TSR_APP_WINDIR"
}

# tsr_write_file PATH LINE...: a text file with CR LF line ends, as the
# programs write them.
tsr_write_file() {
  local path=$1
  shift
  mkdir -p "$(dirname "$path")"
  : >"$path"
  local line
  for line in "$@"; do printf '%s\r\n' "$line" >>"$path"; done
}

# tsr_start FOLDER EXE [ARGS...]: starts FOLDER/EXE from FOLDER in the
# background with LANG and LC_ALL set to TSR_LANG. Wine joins ARGS into the
# Windows command line and puts quotes around an argument that holds a space:
# pass "-U" "anna" as two arguments, not "-U anna" (which arrives as "-U anna"
# with its quotes). Sets TSR_PID (the Unix
# process of wine, for tsr_wait_exit) and TSR_EXE (the image name the driver
# finds windows by: Windows process ids differ from Unix ones).
tsr_start() {
  local folder=$1 exe=$2
  shift 2
  if [ ! -f "$folder/$exe" ]; then
    tsr_fail "tsr_start: $folder/$exe does not exist"
    return 1
  fi
  TSR_EXE=$exe
  local log="$TSR_LOG_DIR/${exe%.exe}.$(date +%s%N).log"
  (cd "$folder" && LANG=$TSR_LANG LC_ALL=$TSR_LANG exec wine "$exe" "$@") >"$log" 2>&1 &
  TSR_PID=$!
  TSR_STARTED_PIDS+=("$TSR_PID")
}

# tsr_wait_exit SECONDS [PID]: waits for the program of tsr_start to end and
# sets TSR_EXIT_CODE to its exit code; on timeout sets it to "timeout" and
# returns 1 (the program keeps running). Call it directly, not inside $(...):
# only this shell can collect the exit code of its own background job.
tsr_wait_exit() {
  local seconds=$1 pid=${2:-${TSR_PID:-}}
  [ -n "$pid" ] || { echo "tsr_wait_exit: nothing was started" >&2; TSR_EXIT_CODE=none; return 1; }
  local deadline=$(( $(tsr_now_ms) + seconds * 1000 ))
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$(tsr_now_ms)" -ge "$deadline" ]; then
      TSR_EXIT_CODE=timeout
      return 1
    fi
    sleep 0.05
  done
  wait "$pid" 2>/dev/null
  TSR_EXIT_CODE=$?
  return 0
}

# Ends the program of tsr_start if it still runs.
tsr_stop() {
  local pid=${1:-${TSR_PID:-}}
  [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
  tsr_driver kill --exe "${TSR_EXE:-}" >/dev/null 2>&1
  tsr_wait_exit 5 "$pid" || kill "$pid" 2>/dev/null
  return 0
}

# tsr_reg_get KEY VALUE: the REG_SZ data of a registry value in the current
# prefix, or <missing>.
tsr_reg_get() {
  local line
  line=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -i -m1 "^    $2    REG_SZ")
  if [ -z "$line" ]; then echo "<missing>"; else echo "${line#*    REG_SZ    }"; fi
}

# tsr_user_data: the programs' folder in the local application data of the
# prefix's user (pending answers, saved shortcut flags).
tsr_user_data() {
  local user
  user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n 1)
  echo "$WINEPREFIX/drive_c/users/$user/AppData/Local/Tessarin"
}

# tsr_driver ARGS...: the UI driver of the current flavour, in the same prefix.
tsr_driver() {
  local driver
  driver=$(tsr_driver_exe)
  if [ ! -f "$driver" ]; then
    echo "tsr_driver: $driver is not built" >&2
    return 2
  fi
  wine "$driver" "$@"
}

# tsr_screenshot NAME: the whole screen to build/screenshots/NAME.png.
tsr_screenshot() {
  local file="$TSR_SCREENSHOTS/$1.png"
  import -window root "$file" && echo "$file"
}
