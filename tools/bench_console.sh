# Benchmark of the administration console, sourced by tools/bench.sh (it uses
# the timing helpers there and bench_window_once of bench_window.sh): from
# process start to the console window shown, for the sample folder. The
# console loads the settings, the document, the tables and the dates file
# before it shows its window, so the mapped window has all its tabs filled.
# Measured against trivial_window.exe in the same run, as window_paint is.

BENCH_CONSOLE_RUNS=${BENCH_CONSOLE_RUNS:-10}
BENCH_CONSOLE_MAX_RATIO=${BENCH_CONSOLE_MAX_RATIO:-1.5}

bench_console_start() {
  local admin trivial
  admin=$(bench_app_folder BenchConsole "$(tsr_admin_exe "$BENCH_FLAVOUR")") || return 1
  cp -r "$TSR_ROOT/sample/." "$admin/"
  trivial=$(bench_app_folder BenchTrivialWindow \
    "$(tsr_build_dir "$BENCH_FLAVOUR")/tests/bench/trivial_window.exe") || return 1

  local i t shown= plain=
  for ((i = 0; i < 2; i++)); do
    bench_window_once "$admin" TsrAdmin.exe "Tessarin Admin" >/dev/null || return 1
    bench_window_once "$trivial" trivial_window.exe "Trivial Window" >/dev/null || return 1
  done
  for ((i = 0; i < BENCH_CONSOLE_RUNS; i++)); do
    t=$(bench_window_once "$admin" TsrAdmin.exe "Tessarin Admin") || return 1
    shown+="$t"$'\n'
    t=$(bench_window_once "$trivial" trivial_window.exe "Trivial Window") || return 1
    plain+="$t"$'\n'
  done
  bench_window_report "console start" "$BENCH_CONSOLE_RUNS" "TsrAdmin.exe, window shown" \
    "$BENCH_CONSOLE_MAX_RATIO" "$shown" "$plain"
}
