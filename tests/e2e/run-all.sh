#!/usr/bin/env bash
# Runs every end-to-end scenario (tests/e2e/*_test.sh), or those whose names
# hold one of the given words, on one Xvfb display with both Wine prefixes
# ready and their servers kept up for the whole run. A scenario that exits 77
# was not run (it needs a flavour this machine cannot run) and is listed as
# such. Exits 1 on any failure.
set -u
source "$(cd "$(dirname "$0")/../../tools/wine" && pwd)/common.sh"

cd "$TSR_ROOT"
scenarios=()
for script in tests/e2e/*_test.sh; do
  [ -f "$script" ] || continue
  if [ $# -gt 0 ]; then
    matched=0
    for word in "$@"; do [[ "$(basename "$script")" == *"$word"* ]] && matched=1; done
    [ $matched -eq 1 ] || continue
  fi
  scenarios+=("$script")
done
if [ ${#scenarios[@]} -eq 0 ]; then
  echo "e2e: no scenarios found" >&2
  exit 1
fi

run_started=$(tsr_now_ms)
cleanup() {
  for flavour in $(tsr_runnable_flavours); do
    WINEPREFIX="$TSR_ROOT/build/wine/$flavour" tsr_wineserver_stop
  done
  tsr_display_stop
}
trap cleanup EXIT

tsr_display_start || exit 1
export TSR_E2E_RUN=1

tsr_ensure_all_prefixes || exit 1
for flavour in $(tsr_runnable_flavours); do
  (tsr_prefix "$flavour" && tsr_wineserver_start)
done
setup_ms=$(( $(tsr_now_ms) - run_started ))

mkdir -p build/e2e-logs
passed=0
failed=()
not_run=()
for script in "${scenarios[@]}"; do
  name=$(basename "${script%.sh}")
  log="build/e2e-logs/$name.log"
  started=$(tsr_now_ms)
  timeout 600 bash "$script" >"$log" 2>&1
  rc=$?
  took=$(( $(tsr_now_ms) - started ))
  if [ $rc -eq 0 ]; then
    passed=$((passed + 1))
    printf 'PASS  %-40s %6d ms\n' "$name" "$took"
  elif [ $rc -eq 77 ]; then
    not_run+=("$name")
    printf 'NOT RUN %-38s %s\n' "$name" "$(tail -n 1 "$log" | sed 's/^[^:]*: not run: //')"
  else
    failed+=("$name")
    printf 'FAIL  %-40s %6d ms  (exit %d, log %s)\n' "$name" "$took" "$rc" "$log"
    sed 's/^/      | /' "$log" | tail -n 25
  fi
done

total=$(( $(tsr_now_ms) - run_started ))
echo "e2e: ${passed} passed, ${#failed[@]} failed, ${#not_run[@]} not run of ${#scenarios[@]} scenarios" \
     "on $(echo "${TSR_FLAVOURS:-$(tsr_runnable_flavours)}" | sed 's/ / and /') (set-up ${setup_ms} ms, total ${total} ms)"
[ ${#failed[@]} -eq 0 ]
