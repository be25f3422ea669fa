# Benchmark of the lockdown's cost, sourced by tools/bench.sh: the processor
# time the declaration program (and the Wine server doing its registry and
# window calls) uses while the sample's window waits for an answer, as a share
# of one core. The enforcement timer must not turn into a busy loop.

BENCH_LOCKDOWN_SECONDS=${BENCH_LOCKDOWN_SECONDS:-10}
BENCH_LOCKDOWN_LIMIT_PERCENT=${BENCH_LOCKDOWN_LIMIT_PERCENT:-5}

# Processor time of a Unix process so far, in clock ticks.
bench_cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

bench_lockdown_cpu() {
  local app pid server i
  app=$(bench_app_folder BenchLockdown "$BENCH_TESSARIN") || return 1
  cp -r "$TSR_ROOT/sample/." "$app/"
  sed -i 's/^Declaration Period Days=[^,\r]*/Declaration Period Days=0/' "$app/Tessarin.ini"
  (cd "$app" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG exec wine Tessarin.exe) >/dev/null 2>&1 &
  wine "$(tsr_driver_exe "$BENCH_FLAVOUR")" wait-window --exe Tessarin.exe --timeout 20000 >/dev/null || {
    echo "bench: the declaration window did not appear" >&2
    return 1
  }
  sleep 2  # past the start's own work
  # The 32-bit loader shows the image name, the 64-bit one the Windows path.
  pid=$(ps -eo pid=,args= | awk '$2 == "Tessarin.exe" || $2 ~ /\\Tessarin\.exe$/ { print $1 }' | tail -n 1)
  server=$(pgrep -n wineserver)
  [ -n "$pid" ] && [ -n "$server" ] || { echo "bench: process not found" >&2; return 1; }

  local hz p0 s0 p1 s1
  hz=$(getconf CLK_TCK)
  p0=$(bench_cpu_ticks "$pid") s0=$(bench_cpu_ticks "$server")
  sleep "$BENCH_LOCKDOWN_SECONDS"
  p1=$(bench_cpu_ticks "$pid") s1=$(bench_cpu_ticks "$server")
  wine "$(tsr_driver_exe "$BENCH_FLAVOUR")" kill --exe Tessarin.exe >/dev/null 2>&1

  local program_pc server_pc total_pc
  program_pc=$(awk -v t=$((p1 - p0)) -v hz="$hz" -v s="$BENCH_LOCKDOWN_SECONDS" 'BEGIN { printf "%.1f", 100 * t / hz / s }')
  server_pc=$(awk -v t=$((s1 - s0)) -v hz="$hz" -v s="$BENCH_LOCKDOWN_SECONDS" 'BEGIN { printf "%.1f", 100 * t / hz / s }')
  total_pc=$(awk -v a="$program_pc" -v b="$server_pc" 'BEGIN { printf "%.1f", a + b }')
  printf 'lockdown while waiting for an answer, %s s (LANG=%s)\n' "$BENCH_LOCKDOWN_SECONDS" "$BENCH_LANG"
  printf '  %-26s : %5s %% of one core\n' "Tessarin.exe" "$program_pc"
  printf '  %-26s : %5s %% of one core\n' "Wine server" "$server_pc"
  printf '  total %s %%; limit %s %%\n' "$total_pc" "$BENCH_LOCKDOWN_LIMIT_PERCENT"
  awk -v t="$total_pc" -v l="$BENCH_LOCKDOWN_LIMIT_PERCENT" 'BEGIN { exit !(t < l) }'
}
