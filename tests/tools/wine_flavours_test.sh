#!/usr/bin/env bash
# The bench's answer to "can 32-bit programs run here?", both ways: a loader
# that executes and a 32-bit loader that cannot (a file that is no program,
# one without the execute bit, one that is missing). Where the answer is no,
# the win32 flavour is refused, make run and make bench fall back to win64,
# and `wine` on PATH is the 64-bit loader.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/check_lib.sh"

# ask LOADER COMMAND...: sources the bench with LOADER as the 32-bit loader
# (TSR_ROOT in a scratch folder, so the real build's loader shims stay as
# they are) and prints what COMMAND says.
ask() {
  local loader=$1
  shift
  env -u TSR_CAN_RUN_WIN32 TSR_ROOT="$work/root" TSR_WINE32_LOADER="$loader" bash -c '
    source "$1/tools/wine/common.sh"; shift; "$@"' _ "$root" "$@" 2>&1
}

printf '\177ELF not really a program\n' >"$work/garbage"
chmod +x "$work/garbage"
printf '#!/bin/sh\necho "wine-8.0"\n' >"$work/plain"
cp "$work/plain" "$work/runs"
chmod +x "$work/runs"
mkdir -p "$work/root"

check "loader that runs" "win32 win64" "$(ask "$work/runs" tsr_runnable_flavours)"
check "loader that runs: main flavour" "win32" "$(ask "$work/runs" tsr_main_flavour)"
check "loader that runs: no note" "" "$(ask "$work/runs" tsr_flavour_note)"
check "loader that runs: wine untouched" "$(command -v wine)" "$(ask "$work/runs" command -v wine)"
for loader in "$work/garbage" "$work/plain" "$work/missing"; do
  what="loader $(basename "$loader")"
  check "$what" "win64" "$(ask "$loader" tsr_runnable_flavours)"
  check "$what: main flavour" "win64" "$(ask "$loader" tsr_main_flavour)"
  check "$what: note" "note: this machine cannot execute 32-bit programs; the win32 flavour was built but not run" \
    "$(ask "$loader" tsr_flavour_note)"
  check "$what: win32 refused" "2" "$(ask "$loader" tsr_check_flavour win32 >/dev/null; echo $?)"
  check "$what: wine is the 64-bit loader" "$work/root/build/wine/loader64/wine" "$(ask "$loader" command -v wine)"
done
check "64-bit shim calls the 64-bit loader" 'exec "/usr/lib/wine/wine64" "$@"' \
  "$(tail -n 1 "$work/root/build/wine/loader64/wine-stable")"

check_finish "wine flavours"
