#!/usr/bin/env bash
# Names that must not reach the wrong file, devices that must never be
# opened, records that must not be lost, and the Task Manager policy a run
# that was killed left behind.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

POLICY='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\System'
MARKER='HKCU\Software\Tessarin'
RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'


# accept_as WHAT ARGS...: opens the window with ARGS, accepts, waits for the end.
accept_as() {
  local what=$1
  shift
  win_open "$what" "$@" || return 1
  win_driver click --exe Tessarin.exe --id "$ID_ACCEPT" >/dev/null
  tsr_wait_exit 15 || { tsr_fail "$what: the window did not close"; win_stop; return 1; }
  assert_eq 0 "$TSR_EXIT_CODE" "$what: exit code"
}

profile_names() {
  local drive=$WINEPREFIX/drive_c name
  # Each name as a site's logon script could pass it: none may write a file
  # outside "Profiles" or the record folder, or open a device.
  for name in '..\..\x' '..\..\..\windows\system32\evil' 'a/b' 'com1' 'aux' 'NUL.txt' 'x.'; do
    tsr_app_folder Names >/dev/null
    tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7"
    mkdir -p "$TSR_APP_DIR/Profiles"
    accept_as "-U $name" -U "$name" || continue
    assert_eq "" "$(ls -A "$TSR_APP_DIR/Profiles")" "-U $name: nothing written in Profiles"
    assert_eq "Profiles Tessarin.exe Tessarin.ini" "$(ls "$TSR_APP_DIR" | xargs)" "-U $name: no record file"
  done
  assert_file_missing "$drive/Tsr/x.ini"
  assert_file_missing "$drive/x_Declaration"
  assert_file_missing "$drive/windows/system32/evil.ini"
  assert_file_missing "$drive/windows/system32/evil_Declaration"

  # A Tsr.dll still takes the answer of such a name: no file is involved.
  tsr_app_folder Names >/dev/null
  cp "$(tsr_build_dir)/tests/tsrdll/TsrPlain.dll" "$TSR_APP_DIR/Tsr.dll"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0"
  accept_as "-U ..\\x with Tsr.dll" -U '..\x' && assert_file_contains "$TSR_APP_DIR/TsrDll.log" "SaveDoc["

  # A device name never hangs the start, due or not.
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=-2"
  for name in com1 aux; do
    tsr_start "$TSR_APP_DIR" Tessarin.exe -U "$name"
    tsr_wait_exit 10 || { tsr_fail "-U $name, not due: the program hangs"; tsr_stop; }
    assert_eq 0 "$TSR_EXIT_CODE" "-U $name, not due: exit code"
  done

  # A document-dates line naming a device is a missing document: the
  # standard document is shown instead.
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0"
  tsr_write_file "$TSR_APP_DIR/Documents/Document.ini" "$(date +%A)=COM1"
  tsr_write_file "$TSR_APP_DIR/Documents/index.html" "<p>The standard declaration.</p>"
  if win_open "dates line naming COM1" -U anna; then
    assert_match "The standard declaration" "$(win_document)" "a device in the dates file is a missing file"
    win_stop
  fi
}

pending_records() {
  local user pending
  user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n 1)
  pending=$WINEPREFIX/drive_c/users/$user/AppData/Local/Tessarin/Pending
  rm -rf "$pending"
  tsr_app_folder Pending >/dev/null
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7" 'TsrPath=C:\Tsr\Pending\Logs\'
  accept_as "record folder missing" -U anna || return
  assert_file_contains "$pending/anna_Declaration" "  Accept"
  assert_file_contains "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(tsr_short_date "$TSR_LANG" 0)"

  # The next start (not due) delivers it once the folder is there.
  mkdir -p "$TSR_APP_DIR/Logs"
  tsr_start "$TSR_APP_DIR" Tessarin.exe -U anna
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "not due after the answer"
  assert_file_contains "$TSR_APP_DIR/Logs/anna_Declaration" "  Accept"
  assert_file_missing "$pending/anna_Declaration"
}

left_policy() {
  tsr_app_folder Policy >/dev/null
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=-2"
  # A run killed while the window was up left the value and our marker.
  wine reg add "$POLICY" /v DisableTaskMgr /d 1 /f >/dev/null 2>&1
  wine reg add "$MARKER" /v "Task Manager Policy Set" /d 1 /f >/dev/null 2>&1
  tsr_start "$TSR_APP_DIR" Tessarin.exe -U anna
  tsr_wait_exit 10
  assert_eq "<missing>" "$(tsr_reg_get "$POLICY" DisableTaskMgr)" "a policy left by a killed run is removed at the next start"
  assert_eq "<missing>" "$(tsr_reg_get "$MARKER" "Task Manager Policy Set")" "the marker goes with it"
  # The site's own policy (no marker) stays.
  wine reg add "$POLICY" /v DisableTaskMgr /d 1 /f >/dev/null 2>&1
  tsr_start "$TSR_APP_DIR" Tessarin.exe -U anna
  tsr_wait_exit 10
  assert_eq 1 "$(tsr_reg_get "$POLICY" DisableTaskMgr)" "the site's own policy stays"
  wine reg delete "$POLICY" /v DisableTaskMgr /f >/dev/null 2>&1
}

quoted_logon_start() {
  tsr_app_folder "With Space" >/dev/null
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0"
  if win_open "program path with a blank" -U anna; then
    assert_eq '"C:\Tsr\With Space\Tessarin.exe"' "$(tsr_reg_get "$RUN" LoGonWindow)" "a path with a blank is quoted"
    win_stop
  fi
  wine reg delete "$RUN" /v LoGonWindow /f >/dev/null 2>&1
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  profile_names
  pending_records
  left_policy
  quoted_logon_start
done
tsr_finish
