# Benchmark of the declaration window, sourced by tools/bench.sh (it uses the
# timing helpers defined there): from process start to the window shown with
# its document, for the sample folder, against the not-due start.
#
# The window is composed, its document chosen and opened and its caption set
# before it is shown, and it paints itself before CreateDeclarationWindow
# returns; so the moment the X server maps a window with the sample's caption
# is the moment the window is on the screen with its document.

BENCH_WINDOW_RUNS=${BENCH_WINDOW_RUNS:-10}
BENCH_WINDOW_LIMIT_MS=${BENCH_WINDOW_LIMIT_MS:-300}

# bench_window_once FOLDER EXE CAPTION ARGS...: microseconds from start until
# a window titled CAPTION is mapped; the program is ended afterwards.
bench_window_once() {
  local folder=$1 exe=$2 caption=$3
  shift 3
  local start now pid
  start=$(bench_now_us)
  (cd "$folder" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG exec wine "$exe" "$@") >/dev/null 2>&1 &
  pid=$!
  while :; do
    if xwininfo -root -tree 2>/dev/null | grep -qF "\"$caption\""; then
      now=$(bench_now_us)
      break
    fi
    if ! kill -0 "$pid" 2>/dev/null || [ $(( $(bench_now_us) - start )) -gt $((BENCH_TIMEOUT * 1000000)) ]; then
      echo "bench: no window titled '$caption' appeared" >&2
      kill "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
      return 1
    fi
  done
  wine "$(tsr_driver_exe win32)" kill --exe "$exe" >/dev/null 2>&1 || kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo $((now - start))
}

bench_window_paint() {
  local due notdue yesterday caption image
  image=$(basename "$BENCH_TESSARIN")
  due=$(bench_app_folder BenchWindow "$BENCH_TESSARIN") || return 1
  cp -r "$TSR_ROOT/sample/." "$due/"
  sed -i 's/^Declaration Period Days=[^,\r]*/Declaration Period Days=0/' "$due/Tessarin.ini"
  caption=$(sed -n 's/^Declaration Caption=\([^,\r]*\).*/\1/p' "$due/Tessarin.ini")
  notdue=$(bench_app_folder BenchWindowNotDue "$BENCH_TESSARIN") || return 1
  yesterday=$(tsr_short_date "$BENCH_LANG" -1) || return 1
  bench_write_ini "$notdue/Tessarin.ini" "Declaration Period Days=7"
  bench_write_ini "$notdue/Profiles/benchuser.ini" "Last Run=$yesterday"

  local i t shown= ended=
  for ((i = 0; i < 2; i++)); do
    bench_window_once "$due" "$image" "$caption" -U benchuser >/dev/null || return 1
    bench_run_once "$notdue" "$image" -U benchuser >/dev/null || return 1
  done
  for ((i = 0; i < BENCH_WINDOW_RUNS; i++)); do
    t=$(bench_window_once "$due" "$image" "$caption" -U benchuser) || return 1
    shown+="$t"$'\n'
    t=$(bench_run_once "$notdue" "$image" -U benchuser) || return 1
    ended+="$t"$'\n'
  done
  local shown_median ended_median ratio
  shown_median=$(bench_median <<<"$shown")
  ended_median=$(bench_median <<<"$ended")
  ratio=$(bench_ratio "$shown_median" "$ended_median") || return 1
  printf 'declaration window, %d runs each (LANG=%s)\n' "$BENCH_WINDOW_RUNS" "$BENCH_LANG"
  printf '  %-26s : median %8s ms  (%s)\n' "sample, window shown" "$(bench_ms "$shown_median")" \
    "$(bench_spread <<<"$shown")"
  printf '  %-26s : median %8s ms  (%s)\n' "not due, program ended" "$(bench_ms "$ended_median")" \
    "$(bench_spread <<<"$ended")"
  printf '  ratio %s; limit %s ms\n' "$ratio" "$BENCH_WINDOW_LIMIT_MS"
  [ "$shown_median" -le $((BENCH_WINDOW_LIMIT_MS * 1000)) ]
}
