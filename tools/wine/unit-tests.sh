#!/usr/bin/env bash
# Runs the cross-built unit tests under Wine:
#   tools/wine/unit-tests.sh [win32|win64] [gtest options]
# in that flavour's prefix (without a flavour: every flavour that runs here,
# one after the other), on an Xvfb display of its own (some tests create
# windows), from the repository root. The tests' exit code is passed on.
set -u
source "$(cd "$(dirname "$0")" && pwd)/common.sh"

if [ $# -eq 0 ] || [[ "$1" == -* ]]; then
  rc=0
  for flavour in $(tsr_runnable_flavours); do
    "$0" "$flavour" "$@" || rc=1
  done
  [ "$TSR_CAN_RUN_WIN32" = 1 ] || echo "wine unit tests (win32): not run ($TSR_NO_WIN32_NOTE)"
  exit $rc
fi

flavour=$1
tsr_check_flavour "$flavour" || { echo "usage: $0 [win32|win64] [gtest options]" >&2; exit 2; }
shift
tests="$(tsr_build_dir "$flavour")/tests"
if [ ! -f "$tests/test_programs.txt" ]; then
  echo "unit-tests: the $flavour tests are not built (make $flavour)" >&2
  exit 1
fi

started=$(tsr_now_ms)
tsr_ensure_all_prefixes || exit 1
tsr_prefix "$flavour"
tsr_display_start || exit 1
finish() {
  # The server ends once the tests' process is gone; do not outwait a server
  # that another run keeps up.
  timeout 30 "$(tsr_wineserver_bin)" -w 2>/dev/null
  tsr_display_stop
}
trap finish EXIT

cd "$TSR_ROOT"
rc=0
for program in $(cat "$tests/test_programs.txt"); do
  echo "== $program ($flavour)"
  timeout --kill-after=10 1200 wine "$tests/$program.exe" --gtest_brief=1 "$@"
  code=$?
  [ $code -eq 124 ] && echo "unit-tests: $program ($flavour) did not finish in 20 minutes" >&2
  [ $code -eq 0 ] || rc=$code
done
echo "wine unit tests ($flavour): exit code $rc, $(( $(tsr_now_ms) - started )) ms"
exit $rc
