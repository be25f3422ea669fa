#!/usr/bin/env bash
# From logon to answer under Wine: the lockdown while the window is up (Task
# Manager policy, Run key, Task Manager windows closed, F2 About), the check
# box and answer buttons, the acceptance record in its file or handed to a
# test Tsr.dll, the last run date, the decline action, and everything undone
# when the window unloads.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

POLICY='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\System'
RUN='Software\Microsoft\Windows\CurrentVersion\Run'


settings() { tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "$@"; }
record() { echo "$TSR_APP_DIR/anna_Declaration"; }

# answer ID: clicks an answer button; the program must then end by itself.
answer() {
  win_driver click --exe Tessarin.exe --id "$1" >/dev/null
  if ! tsr_wait_exit 15; then
    tsr_fail "the window did not close after clicking $1"
    win_stop
    return 1
  fi
  assert_eq 0 "$TSR_EXIT_CODE" "exit code after the answer"
}

accept_flow() {
  tsr_app_folder Answer >/dev/null
  settings "Logon Start=0" "CheckBox Caption=I  have read this document"
  tsr_write_file "$TSR_APP_DIR/Documents/index.html" "<html><body><h1>Acme usage rules</h1><p>Be kind.</p></body></html>"
  wine reg delete "HKCU\\$RUN" /v LoGonWindow /f >/dev/null 2>&1
  win_open "accept" -U anna || return
  sleep 0.5
  assert_eq 1 "$(tsr_reg_get "$POLICY" DisableTaskMgr)" "Task Manager forbidden while the window is up"
  assert_eq 'C:\Tsr\Answer\Tessarin.exe' "$(tsr_reg_get "HKCU\\$RUN" LoGonWindow)" "logon start registered"

  # Accept while the box is clear: only the profile is written.
  assert_eq 0 "$(win_driver get-check --exe Tessarin.exe --id "$ID_CHK" | tr -d '\r')" "box starts clear"
  win_driver click --exe Tessarin.exe --id "$ID_ACCEPT" >/dev/null
  sleep 0.5
  assert_eq 1 "$(kill -0 "$TSR_PID" 2>/dev/null && echo 1)" "accept without the box leaves the window up"
  assert_file_exists "$TSR_APP_DIR/Profiles/anna.ini"
  assert_file_missing "$(record)"

  win_driver click --exe Tessarin.exe --id "$ID_CHK" >/dev/null
  assert_eq 1 "$(win_driver get-check --exe Tessarin.exe --id "$ID_CHK" | tr -d '\r')" "box ticked"
  tsr_screenshot "answer-ticked-$TSR_FLAVOUR" >/dev/null
  answer "$ID_ACCEPT" || return
  assert_file_contains "$(record)" ", I  have read this document Accept"
  assert_file_contains "$(record)" "Acme usage rules"
  assert_match "^$(tsr_short_date "$TSR_LANG" 0) " "$(head -n1 "$(record)")" "record starts with today"
  assert_file_contains "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(tsr_short_date "$TSR_LANG" 0)"
  assert_eq "<missing>" "$(tsr_reg_get "$POLICY" DisableTaskMgr)" "policy removed after the answer"

  # A second acceptance replaces the record: it never holds two.
  win_open "second accept" -U anna || return
  win_driver click --exe Tessarin.exe --id "$ID_CHK_CAPTION" >/dev/null
  answer "$ID_ACCEPT" || return
  assert_eq 1 "$(grep -c 'Accept' "$(record)")" "one record line after a second answer"
}

decline_with_library() {
  tsr_app_folder Answer >/dev/null
  cp "$(tsr_build_dir)/tests/tsrdll/TsrPlain.dll" "$TSR_APP_DIR/Tsr.dll"
  settings "Save Machine ID=IP" "Button2 Caption=No, I refuse"
  win_open "decline with Tsr.dll" -U anna || return
  answer "$ID_DECLINE" || return
  assert_file_contains "$TSR_APP_DIR/TsrDll.log" "SaveDoc["
  assert_file_contains "$TSR_APP_DIR/TsrDll.log" ", IP:"
  # No check box configured: the box counts as ticked and its empty caption
  # stands for the reader.
  assert_file_contains "$TSR_APP_DIR/TsrDll.log" ",  No, I refuse"
  assert_file_contains "$TSR_APP_DIR/TsrDll.log" "DeclineAction"
  assert_file_missing "$(record)"
  assert_file_not_contains "$TSR_APP_DIR/Profiles/anna.ini" "Last Run="
  assert_file_exists "$TSR_APP_DIR/Profiles/anna.ini"
}

# bystander: a window of another program in the session; a log-off closes it.
bystander() {
  local demo
  demo="$(tsr_build_dir)/tests/driver/demo_window.exe"
  (wine "$demo" "Bystander" >/dev/null 2>&1; echo $? >"$TSR_LOG_DIR/bystander.rc") &
  BYSTANDER=$!
  win_driver wait-window --exe demo_window.exe --timeout 10000 >/dev/null
}

bystander_closed() {
  local i
  for i in $(seq 1 100); do kill -0 "$BYSTANDER" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$BYSTANDER" 2>/dev/null; then
    tsr_fail "$1: another program's window survived"
    win_driver kill --exe demo_window.exe >/dev/null 2>&1
  else
    assert_eq 1 1 "$1: the session's windows were closed"
  fi
}

decline_logs_off() {
  # Without Tsr.dll the decline logs the user off.
  tsr_app_folder Answer >/dev/null
  settings
  bystander
  win_open "decline without Tsr.dll" -U anna || return
  answer "$ID_DECLINE" || return
  bystander_closed "log-off after decline"
  assert_file_contains "$(record)" " Decline"

  # A Tsr.dll without DeclineAction takes the record; the log-off is built in.
  tsr_app_folder Answer >/dev/null
  cp "$(tsr_build_dir)/tests/tsrdll/TsrWithoutDecline.dll" "$TSR_APP_DIR/Tsr.dll"
  settings
  bystander
  win_open "decline with a library lacking DeclineAction" -U anna || return
  answer "$ID_DECLINE" || return
  bystander_closed "log-off with a library lacking DeclineAction"
  assert_file_contains "$TSR_APP_DIR/TsrDll.log" " Decline"
  assert_file_missing "$(record)"
}

close_effects() {
  tsr_app_folder Answer >/dev/null
  settings "CloseAction=Random,Random or CloseIn"
  win_open "random close" -U anna || return
  local started
  started=$(tsr_now_ms)
  win_driver click --exe Tessarin.exe --id "$ID_ACCEPT" >/dev/null
  sleep 1.5
  tsr_screenshot "answer-random-fill-$TSR_FLAVOUR" >/dev/null
  tsr_wait_exit 15
  local took=$(( $(tsr_now_ms) - started ))
  assert_eq 1 "$(( took >= 2500 && took < 9000 ))" "random fill lasts about 3 s (${took} ms)"
  assert_file_contains "$(record)" " Accept"

  settings "CloseAction=random"
  win_open "random in lower case" -U anna || return
  started=$(tsr_now_ms)
  answer "$ID_ACCEPT" || return
  took=$(( $(tsr_now_ms) - started ))
  assert_eq 1 "$(( took < 2500 ))" "lower-case random has no effect (${took} ms)"
}

# accept_with LINE...: a fresh folder with these settings; ticks and accepts.
accept_with() {
  tsr_app_folder Answer >/dev/null
  settings "CheckBox Caption=I  have read this document" "$@"
  tsr_write_file "$TSR_APP_DIR/Documents/index.html" "<html><body><h1>Acme usage rules</h1><p>Be kind.</p></body></html>"
  win_open "accept with $*" -U anna || return
  win_driver click --exe Tessarin.exe --id "$ID_CHK" >/dev/null
  answer "$ID_ACCEPT"
}

first_line() { head -n1 "${1:-$(record)}" | tr -d '\r'; }

record_forms() {
  local when reader="I  have read this document Accept"
  when="$(tsr_short_date "$TSR_LANG" 0) [0-9]{1,2}:[0-9]{2}:[0-9]{2} [AP]M"
  accept_with || return
  assert_match "^$when, $reader\$" "$(first_line)" "first line without a machine id"
  accept_with "Save Machine ID=IP,IP MAC Both" || return
  assert_match "^$when, IP:[0-9.]+, $reader\$" "$(first_line)" "first line with IP"
  accept_with "Save Machine ID=MAC" || return
  assert_match "^$when,MAC:[0-9A-F-]*, $reader\$" "$(first_line)" "first line with MAC"
  accept_with "Save Machine ID=Both" || return
  assert_match "^$when,IP:[0-9.]+  MAC:[0-9A-F-]*, $reader\$" "$(first_line)" "first line with both"
  assert_eq "Acme usage rules" "$(sed -n 2p "$(record)" | tr -d '\r')" "details: the page's text"

  accept_with "Save Document Details=no" || return
  assert_eq 'file:///C:/Tsr/Answer/Documents/index.html' "$(sed -n 2p "$(record)" | tr -d '\r')" \
    "details: the page's location"

  # A folder without its trailing backslash is glued to the user name.
  accept_with 'TsrPath=C:\Tsr\Answer\Logs' || return
  assert_file_exists "$TSR_APP_DIR/Logsanna_Declaration"
}

bad_input() {
  # The record folder is missing or read-only: the answer still ends the
  # program, and no partial file is left.
  accept_with 'TsrPath=C:\Tsr\Answer\Missing\' || return
  assert_file_missing "$TSR_APP_DIR/Missing"
  assert_file_contains "$TSR_APP_DIR/Profiles/anna.ini" "Last Run="

  tsr_app_folder Answer >/dev/null
  mkdir -p "$TSR_APP_DIR/Locked"
  tsr_write_file "$TSR_APP_DIR/Locked/anna_Declaration" "earlier record"
  chmod 0444 "$TSR_APP_DIR/Locked/anna_Declaration"
  settings 'TsrPath=C:\Tsr\Answer\Locked\'
  win_open "read-only record" -U anna || return
  answer "$ID_ACCEPT" || return
  assert_eq "earlier record" "$(first_line "$TSR_APP_DIR/Locked/anna_Declaration")" "read-only record left whole"
  assert_eq "anna_Declaration" "$(ls "$TSR_APP_DIR/Locked" | tr '\n' ' ' | sed 's/ $//')" "no temporary file left"
  chmod 0644 "$TSR_APP_DIR/Locked/anna_Declaration"

  # A Tsr.dll that is not a library: the record goes to the file.
  tsr_app_folder Answer >/dev/null
  printf 'not a library' >"$TSR_APP_DIR/Tsr.dll"
  settings
  win_open "Tsr.dll that is not a library" -U anna || return
  answer "$ID_ACCEPT" || return
  assert_file_contains "$(record)" " Accept"
}

task_manager() {
  tsr_app_folder Answer >/dev/null
  settings
  win_open "task manager" || return
  local demo
  demo="$(tsr_build_dir)/tests/driver/demo_window.exe"
  (wine "$demo" "My Task Manager notes" >/dev/null 2>&1 &)
  rm -f "$TSR_LOG_DIR/demo_window.out"
  (cd "$TSR_LOG_DIR" && wine "$demo" "TASK MANAGER" >/dev/null 2>&1 &)
  sleep 2
  local lived
  lived=$(sed -n 's/^closed after \([0-9]*\) ms.*/\1/p' "$TSR_LOG_DIR/demo_window.out" 2>/dev/null)
  assert_eq 1 "$(( ${lived:-999999} <= 100 ))" "a Task Manager window closes within 100 ms (${lived:-never} ms)"
  local windows
  windows=$(win_driver windows | tr -d '\r')
  assert_match "My Task Manager notes" "$windows" "a title that only holds the words stays open"
  if [[ "$windows" == *"TASK MANAGER"* ]]; then
    tsr_fail "a window titled TASK MANAGER stayed open"
  else
    assert_eq 1 1 "TASK MANAGER closed"
  fi
  win_driver kill --exe demo_window.exe >/dev/null 2>&1

  # F2 shows the About box.
  win_driver key --exe Tessarin.exe F2 >/dev/null
  if win_driver wait-window --exe Tessarin.exe --title About --timeout 5000 >/dev/null; then
    assert_match "Tessarin 4\.2\.0" "$(win_driver list --exe Tessarin.exe --title About | tr -d '\r')" "About names the program and version"
    tsr_screenshot "answer-about-$TSR_FLAVOUR" >/dev/null
    win_driver click --exe Tessarin.exe --title About --text OK >/dev/null
  else
    tsr_fail "F2 showed no About box"
  fi
  win_stop
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  TSR_LANG=en_US.UTF-8
  accept_flow
  decline_with_library
  task_manager
  close_effects
  decline_logs_off
  record_forms
  bad_input
done
tsr_finish
