#!/usr/bin/env bash
# Fast at logon, in both flavours: a start of Tessarin.exe that is not due,
# and a run of Kelvane.exe that shows no box, load no window, graphics,
# COM or shell library (under Wine user32 alone starts the display driver).
# Those libraries are delay-loaded (tests/tools/imports_test.sh checks the
# import tables), and a due start still gets its window.
source "$(dirname "$0")/lib.sh"

HEAVY="user32.dll gdi32.dll comctl32.dll comdlg32.dll ole32.dll oleaut32.dll shell32.dll winmm.dll iphlpapi.dll"

# loaded_by EXE ARGS...: runs EXE in TSR_APP_DIR with Wine's loader trace;
# sets LOADED to the DLLs that process loaded (lower case, one per line) and
# RUN_EXIT_CODE. Call it directly, not inside $(...).
loaded_by() {
  local exe=$1
  shift
  local trace="$TSR_LOG_DIR/${exe%.exe}-loaddll.$(date +%s%N).log"
  (cd "$TSR_APP_DIR" && LANG=$TSR_LANG LC_ALL=$TSR_LANG WINEDEBUG=+loaddll timeout 30 wine "$exe" "$@") \
    >"$trace" 2>&1
  RUN_EXIT_CODE=$?
  # Only the lines of the program's own process (services may start too).
  local process
  process=$(grep -m1 -F "\\$exe\"" "$trace" | cut -d: -f1)
  LOADED=
  [ -n "$process" ] || return 0
  LOADED=$(grep "^$process:trace:loaddll" "$trace" | sed -n 's/.*Loaded L"\(.*\)" at .*/\1/p' \
    | sed 's/.*\\\\//' | tr 'A-Z' 'a-z')
}

assert_none_heavy() {
  local loaded=$1 what=$2 dll
  for dll in $HEAVY; do
    assert_eq "" "$(grep -x -F "$dll" <<<"$loaded")" "$what does not load $dll"
  done
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"

  tsr_app_folder "LeanStart" "$(tsr_runner_exe)" "$(tsr_setup_exe)" >/dev/null
  # Shortcut flags left by a run an earlier scenario killed would be given
  # back at this start, which takes user32.
  rm -f "$(tsr_user_data)/SavedShortcuts.txt"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7,days between showings"
  tsr_write_file "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(tsr_short_date "$TSR_LANG" -1)"
  loaded_by Tessarin.exe -U anna
  assert_eq 0 "$RUN_EXIT_CODE" "not due: exit code"
  # The trace must have seen the program and its registry library at all.
  assert_match 'advapi32\.dll' "$LOADED" "not due: the loader trace lists the program's DLLs"
  assert_none_heavy "$LOADED" "a start that is not due"

  # A record database set, no answers pending for it: odbc32.dll stays unloaded.
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7,days between showings" \
    "Record Database=Driver=SQLite3;Database=/nonexistent/answers.db"
  rm -f "$(tsr_user_data)"/PendingAnswers*.txt
  loaded_by Tessarin.exe -U anna
  assert_eq 0 "$RUN_EXIT_CODE" "not due with a record database: exit code"
  assert_match 'advapi32\.dll' "$LOADED" "not due with a record database: the trace lists the program's DLLs"
  assert_none_heavy "$LOADED" "a start that is not due with a record database"
  assert_eq "" "$(grep -x -F odbc32.dll <<<"$LOADED")" "no pending answers: odbc32.dll is not loaded"

  # Unattended help: a text file instead of a box.
  TSR_UNATTENDED=1 loaded_by Kelvane.exe
  assert_eq 3 "$RUN_EXIT_CODE" "Kelvane unattended help: exit code"
  assert_match 'advapi32\.dll' "$LOADED" "Kelvane: the loader trace lists the program's DLLs"
  assert_none_heavy "$LOADED" "Kelvane without a box"

  # Due: user32 and gdi32 come at their first call and the window shows.
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "Declaration Caption=Lean Start"
  tsr_start "$TSR_APP_DIR" Tessarin.exe -U anna
  if tsr_driver wait-window --exe Tessarin.exe --timeout 20000 >/dev/null; then
    assert_match '"Lean Start"$' "$(tsr_driver list --exe Tessarin.exe | head -n 1)" "due: the window's caption"
    tsr_screenshot "lean-start-due-$flavour" >/dev/null
  else
    tsr_fail "due: no window"
  fi
  tsr_stop
done
tsr_finish
