# Benchmark of the console's two editing tables, sourced by tools/bench.sh (it
# uses the helpers there): the settings tab filled from a settings file of
# 10,000 lines and the dates tab from a dates file of 10,000 lines, each at
# most the grid control's own create-and-fill of 10,000 rows in the same run
# plus 25 %. "TsrAdmin.exe /bench FILE" times its opening steps as they run
# (reading the file, filling the table) and then each table's first paint;
# "GridDemo.exe /bench FILE" times creating its window, filling 10,000 rows
# and showing them. Medians of BENCH_SETTINGS_TAB_RUNS runs of each program,
# run alternately.

BENCH_SETTINGS_TAB_RUNS=${BENCH_SETTINGS_TAB_RUNS:-10}
BENCH_SETTINGS_TAB_MAX_RATIO=${BENCH_SETTINGS_TAB_MAX_RATIO:-1.25}
BENCH_SETTINGS_TAB_LINES=${BENCH_SETTINGS_TAB_LINES:-10000}

# bench_settings_tab_files FOLDER: the 10,000-line settings and dates files.
bench_settings_tab_files() {
  awk -v n="$BENCH_SETTINGS_TAB_LINES" 'BEGIN {
    for (i = 1; i <= n; i++) printf "Setting %05d=%d,%d,%d,a choice\r\n", i, i, i + 1, i + 2 }' >"$1/Tessarin.ini"
  mkdir -p "$1/Documents"
  seq 1 "$BENCH_SETTINGS_TAB_LINES" | sed 's/.*/2027-01-01 + & days/' | date -f - +%-m/%-d/%Y |
    awk '{ printf "%s=C:\\Docs\\doc%05d.html\r\n", $0, NR }' >"$1/Documents/Document.ini"
}

# bench_settings_tab_field FILE NAME: the milliseconds on the line NAME of a result file.
bench_settings_tab_field() {
  tr -d '\r' <"$1" | awk -v name="$2" 'index($0, name ": ") == 1 { sub(/^[^:]*: /, ""); print int($1 * 1000); exit }'
}

bench_settings_tab() {
  local admin grid
  admin=$(bench_app_folder BenchSettingsTab "$(tsr_admin_exe "$BENCH_FLAVOUR")") || return 1
  grid=$(bench_app_folder BenchSettingsGrid "$(tsr_build_dir "$BENCH_FLAVOUR")/admin/grid/GridDemo.exe") || return 1
  bench_settings_tab_files "$admin"

  local i t settings= dates= created=
  for ((i = 0; i < BENCH_SETTINGS_TAB_RUNS; i++)); do
    rm -f "$admin/bench.txt" "$grid/bench.txt"
    (cd "$admin" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG exec timeout 60 wine TsrAdmin.exe /bench bench.txt) \
      >/dev/null 2>&1
    [ -f "$admin/bench.txt" ] || { echo "bench: TsrAdmin.exe wrote no results" >&2; return 1; }
    settings+="$(bench_settings_tab_field "$admin/bench.txt" "settings tab")"$'\n'
    dates+="$(bench_settings_tab_field "$admin/bench.txt" "dates tab")"$'\n'
    (cd "$grid" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG exec timeout 120 wine GridDemo.exe /bench bench.txt) \
      >/dev/null 2>&1
    [ -f "$grid/bench.txt" ] || { echo "bench: GridDemo.exe wrote no results" >&2; return 1; }
    t=$(tr -d '\r' <"$grid/bench.txt" | awk '/^create the window/ { sub(/.*median /, ""); print int($1 * 1000); exit }')
    created+="$t"$'\n'
  done

  local settings_median dates_median created_median settings_ratio dates_ratio
  settings_median=$(bench_median <<<"$settings")
  dates_median=$(bench_median <<<"$dates")
  created_median=$(bench_median <<<"$created")
  settings_ratio=$(bench_ratio "$settings_median" "$created_median") || return 1
  dates_ratio=$(bench_ratio "$dates_median" "$created_median") || return 1
  printf 'editing tables from %d-line files, %d runs each (LANG=%s)\n' "$BENCH_SETTINGS_TAB_LINES" \
    "$BENCH_SETTINGS_TAB_RUNS" "$BENCH_LANG"
  printf '  %-34s : median %8s ms  (%s)\n' "settings tab: file, table, paint" "$(bench_ms "$settings_median")" \
    "$(bench_spread <<<"$settings")"
  printf '  %-34s : median %8s ms  (%s)\n' "dates tab: file and table, paint" "$(bench_ms "$dates_median")" \
    "$(bench_spread <<<"$dates")"
  printf '  %-34s : median %8s ms  (%s)\n' "GridDemo: create, fill, show" "$(bench_ms "$created_median")" \
    "$(bench_spread <<<"$created")"
  printf '  ratios %s and %s (limit %s)\n' "$settings_ratio" "$dates_ratio" "$BENCH_SETTINGS_TAB_MAX_RATIO"
  bench_within "$settings_ratio" "$BENCH_SETTINGS_TAB_MAX_RATIO" &&
    bench_within "$dates_ratio" "$BENCH_SETTINGS_TAB_MAX_RATIO"
}
