# Benchmark of the declaration window, sourced by tools/bench.sh (it uses the
# timing helpers defined there): from process start to the window shown with
# its document, for the sample folder, against a program that shows one
# full-screen window with a line of text (tests/bench/trivial_window.cpp),
# timed the same way in the same run: any first window under Wine costs a few
# hundred milliseconds, so only the ratio says something about our program.
#
# The window is composed, its document chosen and opened and its caption set
# before it is shown, and it paints itself before CreateDeclarationWindow
# returns; so the moment the X server maps a window with the sample's caption
# is the moment the window is on the screen with its document.

BENCH_WINDOW_RUNS=${BENCH_WINDOW_RUNS:-10}
BENCH_WINDOW_MAX_RATIO=${BENCH_WINDOW_MAX_RATIO:-1.25}

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
  wine "$(tsr_driver_exe "$BENCH_FLAVOUR")" kill --exe "$exe" >/dev/null 2>&1 || kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo $((now - start))
}

bench_window_paint() {
  local due trivial caption image
  image=$(basename "$BENCH_TESSARIN")
  due=$(bench_app_folder BenchWindow "$BENCH_TESSARIN") || return 1
  cp -r "$TSR_ROOT/sample/." "$due/"
  sed -i 's/^Declaration Period Days=[^,\r]*/Declaration Period Days=0/' "$due/Tessarin.ini"
  caption=$(sed -n 's/^Declaration Caption=\([^,\r]*\).*/\1/p' "$due/Tessarin.ini")
  trivial=$(bench_app_folder BenchTrivialWindow \
    "$(tsr_build_dir "$BENCH_FLAVOUR")/tests/bench/trivial_window.exe") || return 1

  local i t shown= plain=
  for ((i = 0; i < 2; i++)); do
    bench_window_once "$due" "$image" "$caption" -U benchuser >/dev/null || return 1
    bench_window_once "$trivial" trivial_window.exe "Trivial Window" >/dev/null || return 1
  done
  for ((i = 0; i < BENCH_WINDOW_RUNS; i++)); do
    t=$(bench_window_once "$due" "$image" "$caption" -U benchuser) || return 1
    shown+="$t"$'\n'
    t=$(bench_window_once "$trivial" trivial_window.exe "Trivial Window") || return 1
    plain+="$t"$'\n'
  done
  bench_window_report "declaration window" "$BENCH_WINDOW_RUNS" "sample, window shown" "$BENCH_WINDOW_MAX_RATIO" \
    "$shown" "$plain"
}

# bench_window_report TITLE RUNS LABEL LIMIT SHOWN PLAIN: prints the medians of
# the two lists of times (ours, then trivial_window.exe's) and their ratio;
# fails when the ratio is over LIMIT.
bench_window_report() {
  local title=$1 runs=$2 label=$3 limit=$4 shown=$5 plain=$6
  local shown_median plain_median ratio
  shown_median=$(bench_median <<<"$shown")
  plain_median=$(bench_median <<<"$plain")
  ratio=$(bench_ratio "$shown_median" "$plain_median") || return 1
  printf '%s, %d runs each (LANG=%s)\n' "$title" "$runs" "$BENCH_LANG"
  printf '  %-28s : median %8s ms  (%s)\n' "$label" "$(bench_ms "$shown_median")" "$(bench_spread <<<"$shown")"
  printf '  %-28s : median %8s ms  (%s)\n' "trivial_window.exe, shown" "$(bench_ms "$plain_median")" \
    "$(bench_spread <<<"$plain")"
  printf '  ratio %s (limit %s)\n' "$ratio" "$limit"
  bench_within "$ratio" "$limit"
}
