#!/usr/bin/env bash
# make bench: the benchmarks, each against its limit.
#   tools/bench.sh [BENCHMARK...]     default: every benchmark in BENCHMARKS
#   start_time    Tessarin.exe not due vs. a trivial program, under Wine
#                 (win32; win64 where 32-bit programs cannot run)
#   window_paint  the declaration window shown with its document (bench_window.sh)
#   lockdown_cpu  processor time while the window waits (bench_lockdown.sh)
#   grid_model    the console's grid model on 10,000 rows, native (tools/bench_grid)
#   console_start the console window shown with the sample folder (bench_console.sh)
#   settings_tab  the console's settings and dates tables filled from 10,000-line
#                 files vs. the grid control's own fill (bench_settings_tab.sh)
#   records       the log tab's listing, bundle and SQL script on 10,000
#                 records against cat of the same files, under Wine
#                 (bench_records.sh)
#   records_native  the same natively, against the system's cat (tools/bench_records)
#   database      the compliance view over 50,000 answers in PostgreSQL, and one
#                 answer's insert against closing without it (bench_database.sh)
# Each benchmark is a function bench_<name> that returns non-zero when its
# limit is broken; the timing helpers above it serve any new benchmark.
# Settings: BENCH_RUNS (timed runs per program, at least 20), BENCH_LANG,
# BENCH_MAX_RATIO; the sourced files' own settings (BENCH_WINDOW_*, BENCH_LOCKDOWN_*).
set -u
source "$(cd "$(dirname "$0")/wine" && pwd)/common.sh"

BENCH_RUNS=${BENCH_RUNS:-25}
BENCH_WARMUP=${BENCH_WARMUP:-3}
BENCH_LANG=${BENCH_LANG:-en_US.UTF-8}
BENCH_MAX_RATIO=${BENCH_MAX_RATIO:-1.3}
BENCH_TIMEOUT=${BENCH_TIMEOUT:-20}
BENCH_FLAVOUR=${BENCH_FLAVOUR:-$(tsr_main_flavour)}
BENCH_TESSARIN=${BENCH_TESSARIN:-$(tsr_runner_exe "$BENCH_FLAVOUR")}  # another build may be timed
BENCHMARKS=(start_time window_paint lockdown_cpu grid_model grid_control console_start settings_tab records
            records_native database)

# ---- timing library -----------------------------------------------------------

bench_now_us() { local t=$EPOCHREALTIME; echo $(( ${t/./} )); }

# bench_run_once FOLDER EXE [ARGS...]: starts FOLDER/EXE from FOLDER as a logon
# would and prints its wall time in microseconds. Fails when the program does
# not end within BENCH_TIMEOUT seconds or exits with a non-zero code.
bench_run_once() {
  local folder=$1 exe=$2
  shift 2
  local start end rc
  start=$(bench_now_us)
  (cd "$folder" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG exec timeout "$BENCH_TIMEOUT" wine "$exe" "$@") \
    >/dev/null 2>&1
  rc=$?
  end=$(bench_now_us)
  if [ $rc -eq 124 ]; then
    echo "bench: $exe did not end within $BENCH_TIMEOUT s" >&2
    return 1
  fi
  if [ $rc -ne 0 ]; then
    echo "bench: $exe ended with exit code $rc" >&2
    return 1
  fi
  echo $((end - start))
}

# bench_keep_wine_up: a Windows process that idles for the whole bench.
# Without one, Wine's own service processes shut down after every run and
# start again with the next, and each run would time their start too.
bench_keep_wine_up() {
  local driver
  driver=$(tsr_driver_exe "$BENCH_FLAVOUR")
  [ -f "$driver" ] || { echo "bench: $driver is not built (make $BENCH_FLAVOUR)" >&2; return 1; }
  wine "$driver" sleep 3600000 >/dev/null 2>&1 &
  BENCH_KEEPER_PID=$!
  sleep 1  # the warm-up runs then find Wine's services up
}

bench_stop_keeper() {
  [ -n "${BENCH_KEEPER_PID:-}" ] || return 0
  wine "$(tsr_driver_exe "$BENCH_FLAVOUR")" kill --exe uidriver.exe >/dev/null 2>&1
  kill "$BENCH_KEEPER_PID" 2>/dev/null
  wait "$BENCH_KEEPER_PID" 2>/dev/null
  BENCH_KEEPER_PID=
}

# bench_compare A_VAR B_VAR: runs the commands in the arrays named A_VAR and
# B_VAR (FOLDER EXE ARGS...) alternately, BENCH_WARMUP times untimed and
# BENCH_RUNS times timed, so drift hits both alike. Leaves the times
# (microseconds, one per line) in BENCH_TIMES_A and BENCH_TIMES_B.
bench_compare() {
  local -n first=$1 second=$2
  local i t
  BENCH_TIMES_A=
  BENCH_TIMES_B=
  for ((i = 0; i < BENCH_WARMUP; i++)); do
    bench_run_once "${first[@]}" >/dev/null || return 1
    bench_run_once "${second[@]}" >/dev/null || return 1
  done
  for ((i = 0; i < BENCH_RUNS; i++)); do
    t=$(bench_run_once "${first[@]}") || return 1
    BENCH_TIMES_A+="$t"$'\n'
    t=$(bench_run_once "${second[@]}") || return 1
    BENCH_TIMES_B+="$t"$'\n'
  done
}

# bench_median: the median of the numbers on standard input.
bench_median() {
  awk 'NF' | sort -n | awk '{ v[NR] = $1 } END {
    if (NR == 0) exit 1
    if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# bench_ms MICROSECONDS: "12.3"
bench_ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

# bench_ratio A B: A / B to two places.
bench_ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b <= 0) exit 1; printf "%.2f", a / b }'; }

# bench_within RATIO LIMIT: true when RATIO <= LIMIT.
bench_within() { awk -v r="$1" -v l="$2" 'BEGIN { exit !(r <= l) }'; }

# bench_spread: "min..max" of the numbers on standard input, in ms.
bench_spread() { awk 'NF' | sort -n | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%.1f..%.1f", lo / 1000, hi / 1000 }'; }

# bench_app_folder NAME FILE...: a fresh C:\Tsr\NAME in the prefix with the
# FILEs copied in; prints its Unix path.
bench_app_folder() {
  local dir="$WINEPREFIX/drive_c/Tsr/$1"
  shift
  rm -rf "$dir"
  mkdir -p "$dir"
  local file
  for file in "$@"; do
    [ -f "$file" ] || { echo "bench: $file is not built (make $BENCH_FLAVOUR)" >&2; return 1; }
    cp "$file" "$dir/"
  done
  echo "$dir"
}

# bench_write_ini PATH LINE...: a settings file with CR LF line ends.
bench_write_ini() {
  local path=$1
  shift
  mkdir -p "$(dirname "$path")"
  : >"$path"
  local line
  for line in "$@"; do printf '%s\r\n' "$line" >>"$path"; done
}

# ---- benchmarks -------------------------------------------------------------

# Tessarin.exe when the declaration is not due must end about as fast as a
# program that does nothing: period 7, last acceptance yesterday, a record
# database set and no answers pending for it (odbc32.dll is not loaded).
# Then the same with "Reaccept On Change" and a 1 MB document accepted as it
# is: the not-due start reads and fingerprints the whole document.
bench_start_time() {
  local tessarin trivial yesterday
  tessarin=$(bench_app_folder BenchTessarin "$BENCH_TESSARIN") || return 1
  trivial=$(bench_app_folder BenchTrivial "$(tsr_build_dir "$BENCH_FLAVOUR")/tests/bench/trivial.exe") || return 1
  yesterday=$(tsr_short_date "$BENCH_LANG" -1) || return 1
  local database="Record Database=Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=5432;Database=tsr;Uid=tsr;Pwd=bench"
  bench_write_ini "$tessarin/Tessarin.ini" "Declaration Period Days=7" "$database"
  bench_write_ini "$tessarin/Profiles/benchuser.ini" "Last Run=$yesterday"
  rm -f "$WINEPREFIX"/drive_c/users/*/AppData/Local/Tessarin/PendingAnswers.txt
  bench_start_compare "$tessarin" "$trivial" "not due" || return 1

  mkdir -p "$tessarin/Documents"
  head -c 1048576 /dev/urandom | base64 -w 100 | head -c 1048576 >"$tessarin/Documents/index.html"
  bench_write_ini "$tessarin/Tessarin.ini" "Declaration Period Days=7" "Reaccept On Change=Yes" "$database"
  bench_write_ini "$tessarin/Profiles/benchuser.ini" "Last Run=$yesterday" \
    "Accepted Document=$(sha256sum "$tessarin/Documents/index.html" | cut -d' ' -f1)"
  bench_start_compare "$tessarin" "$trivial" "1 MB fingerprinted"
}

# bench_start_compare TESSARIN_FOLDER TRIVIAL_FOLDER LABEL: the not-due start
# against the trivial program, printed; fails above BENCH_MAX_RATIO.
bench_start_compare() {
  local tessarin=$1 trivial=$2 label=$3 image
  image=$(basename "$BENCH_TESSARIN")
  local tessarin_run=("$tessarin" "$image" -U benchuser) trivial_run=("$trivial" trivial.exe)
  bench_compare tessarin_run trivial_run || return 1
  local tessarin_times=$BENCH_TIMES_A trivial_times=$BENCH_TIMES_B
  if wine "$(tsr_driver_exe "$BENCH_FLAVOUR")" windows | grep -q "$image"; then
    echo "bench: $image left a window behind: the declaration was due" >&2
    return 1
  fi

  local tessarin_median trivial_median ratio
  tessarin_median=$(bench_median <<<"$tessarin_times")
  trivial_median=$(bench_median <<<"$trivial_times")
  ratio=$(bench_ratio "$tessarin_median" "$trivial_median") || return 1
  printf 'start time, %s, %d runs each (LANG=%s)\n' "$label" "$BENCH_RUNS" "$BENCH_LANG"
  printf '  %-21s : median %8s ms  (%s)\n' "$image, not due" "$(bench_ms "$tessarin_median")" \
    "$(bench_spread <<<"$tessarin_times")"
  printf '  %-21s : median %8s ms  (%s)\n' trivial.exe "$(bench_ms "$trivial_median")" \
    "$(bench_spread <<<"$trivial_times")"
  printf '  ratio %s (limit %s)\n' "$ratio" "$BENCH_MAX_RATIO"
  bench_within "$ratio" "$BENCH_MAX_RATIO"
}

# ---- other benchmarks ---------------------------------------------------------

# The declaration window from start to shown: bench_window_paint.
source "$TSR_ROOT/tools/bench_window.sh"

# The lockdown's processor time while the window waits: bench_lockdown_cpu.
source "$TSR_ROOT/tools/bench_lockdown.sh"

# The console from start to shown: bench_console_start.
source "$TSR_ROOT/tools/bench_console.sh"

# The grid control under Wine on 10,000 rows: bench_grid_control.
source "$TSR_ROOT/tools/bench_grid_control.sh"

# The console's editing tables from 10,000-line files: bench_settings_tab.
source "$TSR_ROOT/tools/bench_settings_tab.sh"

# The grid model (no Wine): built natively with optimisation; the program
# prints its own times and fails when Grid2Str on 10,000 rows takes 100 ms
# or more.
bench_grid_model() {
  "$TSR_ROOT/tools/bench_grid"
}

# The log tab's file work under Wine: bench_records.
source "$TSR_ROOT/tools/bench_records.sh"

source "$TSR_ROOT/tools/bench_database.sh"

bench_records_native() {
  "$TSR_ROOT/tools/bench_records"
}

# ---- main -------------------------------------------------------------------

main() {
  if [ "$BENCH_RUNS" -lt 20 ] 2>/dev/null; then
    echo "bench: BENCH_RUNS must be at least 20" >&2
    return 2
  fi
  local names=("$@")
  [ ${#names[@]} -gt 0 ] || names=("${BENCHMARKS[@]}")
  local name
  for name in "${names[@]}"; do
    declare -F "bench_$name" >/dev/null || { echo "bench: no benchmark '$name'" >&2; return 2; }
  done

  [ "$TSR_CAN_RUN_WIN32" = 1 ] || echo "bench: using the win64 flavour: $TSR_NO_WIN32_NOTE"
  tsr_prefix "$BENCH_FLAVOUR" || return 2
  tsr_ensure_prefix || return 1
  unset DISPLAY
  tsr_display_start || return 1
  trap 'bench_stop_keeper; tsr_wineserver_stop; tsr_display_stop' EXIT
  # One lasting server, so no run pays for starting it.
  tsr_wineserver_start
  bench_keep_wine_up || return 1

  local failed=0
  for name in "${names[@]}"; do
    echo "== $name"
    if bench_"$name"; then
      echo "== $name: ok"
    else
      echo "== $name: FAILED"
      failed=$((failed + 1))
    fi
  done
  [ $failed -eq 0 ]
}

# Sourced (for the library) or run.
if [ "${BASH_SOURCE[0]}" == "$0" ]; then
  main "$@"
fi
