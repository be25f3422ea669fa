# Benchmark of the log tab's file work under Wine, sourced by tools/bench.sh
# (it uses the timing helpers there): 10,000 records of about 1 KB listed,
# bundled and written as the SQL script by records_probe.exe (the tab's own
# code, built for the flavour), against cat_files.exe (a minimal Windows
# program doing `cat` of the same files into one file) in the same run.
# Each program prints its own time, so Wine's process start is in neither.
# Limits: the listing 1 s; the bundle and the listing with the SQL script
# each 3 times cat.

BENCH_RECORDS_RUNS=${BENCH_RECORDS_RUNS:-7}
BENCH_RECORDS_COUNT=${BENCH_RECORDS_COUNT:-10000}
BENCH_RECORDS_MAX_LIST_US=${BENCH_RECORDS_MAX_LIST_US:-1000000}
BENCH_RECORDS_MAX_RATIO=${BENCH_RECORDS_MAX_RATIO:-3}

bench_records() {
  local build folder
  build=$(tsr_build_dir "$BENCH_FLAVOUR")
  folder=$(bench_app_folder BenchRecords "$build/tests/records_probe.exe" "$build/tests/bench/cat_files.exe") ||
    return 1
  mkdir -p "$folder/logs" "$folder/out"
  python3 - "$folder/logs" "$BENCH_RECORDS_COUNT" <<'PY'
import os, sys
record = b"".join(b"12/7/2026 9:05:00 AM, user Accept " + b"x" * 60 + b"\r\n" for _ in range(10))
for i in range(int(sys.argv[2])):
    with open(os.path.join(sys.argv[1], "user%d_Declaration" % i), "wb") as f:
        f.write(record)
PY
  local logs='C:\Tsr\BenchRecords\logs' out='C:\Tsr\BenchRecords\out'
  local i t cat_times= bundle_times= sql_times= list_times=
  bench_records_run() { (cd "$folder" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG timeout "$BENCH_TIMEOUT" wine "$@" 2>/dev/null) | tr -d '\r'; }
  # bench_records_timed NAME COMMAND...: the time the program printed, or a failure.
  bench_records_timed() {
    local name=$1 took
    shift
    took=$(bench_records_run "$@")
    [[ "$took" =~ ^[0-9]+$ ]] || { echo "bench: $name failed" >&2; return 1; }
    echo "$took"
  }
  bench_records_run cat_files.exe "$logs" "$out\\cat.out" >/dev/null  # the file cache warm for every run
  for ((i = 0; i < BENCH_RECORDS_RUNS; i++)); do
    t=$(bench_records_timed cat_files cat_files.exe "$logs" "$out\\cat.out") || return 1
    cat_times+="$t"$'\n'
    t=$(bench_records_timed bundle records_probe.exe bundle "$logs" "$out") || return 1
    bundle_times+="$t"$'\n'
    t=$(bench_records_timed sql records_probe.exe sql "$logs" "$out") || return 1
    sql_times+="$t"$'\n'
    t=$(bench_records_timed list records_probe.exe list "$logs" "$out") || return 1
    list_times+="$t"$'\n'
  done
  local cat_us bundle_us sql_us list_us
  cat_us=$(bench_median <<<"$cat_times")
  bundle_us=$(bench_median <<<"$bundle_times")
  sql_us=$(bench_median <<<"$sql_times")
  list_us=$(bench_median <<<"$list_times")
  local bundle_ratio sql_ratio
  bundle_ratio=$(bench_ratio "$bundle_us" "$cat_us") || return 1
  sql_ratio=$(bench_ratio "$sql_us" "$cat_us") || return 1
  printf 'records under Wine (%s), %d records, %d runs each, medians\n' "$BENCH_FLAVOUR" "$BENCH_RECORDS_COUNT" \
    "$BENCH_RECORDS_RUNS"
  printf '  %-26s : %8s ms  (%s)\n' "cat_files.exe" "$(bench_ms "$cat_us")" "$(bench_spread <<<"$cat_times")"
  printf '  %-26s : %8s ms  (%s)  ratio %s (limit %s)\n' "bundle" "$(bench_ms "$bundle_us")" \
    "$(bench_spread <<<"$bundle_times")" "$bundle_ratio" "$BENCH_RECORDS_MAX_RATIO"
  printf '  %-26s : %8s ms  (%s)  ratio %s (limit %s)\n' "listing and SQL script" "$(bench_ms "$sql_us")" \
    "$(bench_spread <<<"$sql_times")" "$sql_ratio" "$BENCH_RECORDS_MAX_RATIO"
  printf '  %-26s : %8s ms  (%s)  (limit %s ms)\n' "listing" "$(bench_ms "$list_us")" \
    "$(bench_spread <<<"$list_times")" "$(bench_ms "$BENCH_RECORDS_MAX_LIST_US")"
  local rc=0
  bench_within "$bundle_ratio" "$BENCH_RECORDS_MAX_RATIO" || rc=1
  bench_within "$sql_ratio" "$BENCH_RECORDS_MAX_RATIO" || rc=1
  [ "$list_us" -le "$BENCH_RECORDS_MAX_LIST_US" ] || rc=1
  return $rc
}
