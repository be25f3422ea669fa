# Benchmark of the grid control, sourced by tools/bench.sh (it uses the
# helpers defined there): GridDemo.exe /bench fills 10,000 rows and times
# Grid2Str, repainting and scrolling (scroll bar, wheel, Page Down) under
# Wine; it fails when a median reaches 100 ms.
bench_grid_control() {
  local folder rc
  folder=$(bench_app_folder BenchGrid "$(tsr_build_dir "$BENCH_FLAVOUR")/admin/grid/GridDemo.exe") || return 1
  (cd "$folder" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG exec timeout 120 wine GridDemo.exe /bench bench.txt) \
    >/dev/null 2>&1
  rc=$?
  [ -f "$folder/bench.txt" ] || { echo "bench: GridDemo.exe wrote no results" >&2; return 1; }
  sed 's/\r$//; s/^/  /' "$folder/bench.txt"
  [ $rc -eq 0 ]
}
