#!/usr/bin/env bash
# How the locked desktop ends: the session ending under the window, a window
# without answer buttons closed by the user, the close effects ("CloseIn",
# the black fill of a decline), several Task Manager windows at once, and
# the Run key left alone when the declaration is not due; after each the
# policy is gone and the taskbar shown and enabled.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

POLICY='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\System'
RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'


settings() { tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "$@"; }

# wait_policy VALUE: waits up to 3 s for "DisableTaskMgr" to read VALUE.
wait_policy() {
  local tries
  for tries in $(seq 30); do
    [ "$(tsr_reg_get "$POLICY" DisableTaskMgr)" == "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# The user's accessibility flags, saved while the shortcuts are off.
saved_shortcuts() {
  echo "$(tsr_user_data)/SavedShortcuts.txt"
}

session_end() {
  tsr_app_folder Lockdown >/dev/null
  settings
  win_open "session end" -U anna || return
  wait_policy 1 || tsr_fail "session end: the policy was not set while the window is up"
  assert_file_exists "$(saved_shortcuts)"
  assert_eq 1 "$(win_driver end-session --exe Tessarin.exe | tr -d '\r')" "session end: the window agrees"
  # The system ends the process after WM_ENDSESSION; until then the window
  # must not lock again.
  sleep 0.5
  assert_eq "<missing>" "$(tsr_reg_get "$POLICY" DisableTaskMgr)" "session end: the policy is removed and stays so"
  assert_eq "1 1" "$(taskbar)" "session end: the taskbar is shown and enabled"
  assert_file_missing "$(saved_shortcuts)"
  assert_file_missing "$TSR_APP_DIR/anna_Declaration"
  win_stop
}

no_buttons() {
  tsr_app_folder Lockdown >/dev/null
  settings "Button1=no" "Button2=no"
  win_open "no answer buttons" -U anna || return
  win_driver key --exe Tessarin.exe ALT+F4 >/dev/null
  if tsr_wait_exit 10; then
    assert_eq 0 "$TSR_EXIT_CODE" "no answer buttons: Alt+F4 closes the window"
  else
    tsr_fail "no answer buttons: Alt+F4 did not close the window"
    win_stop
  fi
  assert_file_missing "$TSR_APP_DIR/anna_Declaration"
  assert_eq "<missing>" "$(tsr_reg_get "$POLICY" DisableTaskMgr)" "no answer buttons: the policy is removed"
  assert_eq "1 1" "$(taskbar)" "no answer buttons: the taskbar is shown and enabled"

  # With a button shown, closing stays refused.
  settings "Button2=no"
  win_open "accept button only" -U anna || return
  win_driver key --exe Tessarin.exe ALT+F4 >/dev/null
  sleep 0.5
  assert_eq 1 "$(kill -0 "$TSR_PID" 2>/dev/null && echo 1)" "an answer button shown: Alt+F4 is refused"
  win_stop
}

# answer_with_effect NAME ID: answers and screenshots the window until the
# program ends; the last shot shows the effect at its end. Sets LAST_SHOT
# and EFFECT_MS.
answer_with_effect() {
  local name=$1 id=$2 started shot n=0
  started=$(tsr_now_ms)
  win_driver click --exe Tessarin.exe --id "$id" --post >/dev/null
  LAST_SHOT=
  while kill -0 "$TSR_PID" 2>/dev/null && [ $(( $(tsr_now_ms) - started )) -lt 15000 ]; do
    shot="$TSR_LOG_DIR/$name-$n.png"
    import -window root "$shot" 2>/dev/null && kill -0 "$TSR_PID" 2>/dev/null && LAST_SHOT=$shot
    n=$((n + 1))
  done
  tsr_wait_exit 5
  EFFECT_MS=$(( $(tsr_now_ms) - started ))
}

# The taskbar's "visible enabled" flags (1 or 0 each).
taskbar() {
  win_driver list --class Shell_TrayWnd --hidden 2>/dev/null | head -n 1 | tr -d '\r' | cut -f4,5 | tr '\t' ' '
}

brightness() { convert "$1" -colorspace Gray -format '%[fx:int(100*mean)]' info:; }

close_effects() {
  tsr_app_folder Lockdown >/dev/null
  cp "$(tsr_build_dir)/tests/tsrdll/TsrPlain.dll" "$TSR_APP_DIR/Tsr.dll"  # a decline without log-off
  settings "CloseAction=Random"
  win_open "black fill on decline" -U anna || return
  assert_eq "0 0" "$(taskbar)" "while the window is up the taskbar is hidden and disabled"
  answer_with_effect "decline-fill-$TSR_FLAVOUR" "$ID_DECLINE"
  assert_eq 0 "$TSR_EXIT_CODE" "black fill: exit code"
  if [ -n "$LAST_SHOT" ]; then
    cp "$LAST_SHOT" "$TSR_SCREENSHOTS/lockdown-decline-fill-$TSR_FLAVOUR.png"
    assert_eq 1 "$(( $(brightness "$LAST_SHOT") <= 30 ))" "a decline fills the window with black (mean $(brightness "$LAST_SHOT") %)"
  else
    tsr_fail "black fill: no screenshot while the effect ran"
  fi
  assert_eq "1 1" "$(taskbar)" "after a decline the taskbar is shown and enabled"

  settings "CloseAction=CloseIn"
  win_open "CloseIn" -U anna || return
  answer_with_effect "closein-$TSR_FLAVOUR" "$ID_ACCEPT"
  assert_eq 0 "$TSR_EXIT_CODE" "CloseIn: exit code"
  # The window shrinks into its centre in a tenth of a second (too fast for a
  # screenshot midway; Wine hides it at once): no three-second fill here.
  assert_eq 1 "$(( EFFECT_MS < 2500 ))" "CloseIn ends the window at once (${EFFECT_MS} ms)"
  assert_eq "1 1" "$(taskbar)" "after an acceptance the taskbar is shown and enabled"
  assert_file_contains "$TSR_APP_DIR/TsrDll.log" "Accept"
  assert_eq "<missing>" "$(tsr_reg_get "$POLICY" DisableTaskMgr)" "after the effects the policy is removed"
}

task_managers() {
  tsr_app_folder Lockdown >/dev/null
  settings
  win_open "several Task Manager windows" -U anna || return
  local demo title lived
  demo="$(tsr_build_dir)/tests/driver/demo_window.exe"
  rm -f "$TSR_LOG_DIR/demo_window.out"
  for title in "Task Manager" "TASK MANAGER" "Windows Task Manager"; do
    (cd "$TSR_LOG_DIR" && wine "$demo" "$title" >/dev/null 2>&1 &)
  done
  for tries in $(seq 50); do
    [ "$(grep -c '^closed after' "$TSR_LOG_DIR/demo_window.out" 2>/dev/null)" == 3 ] && break
    sleep 0.2
  done
  lived=$(sed -n 's/^closed after \([0-9]*\) ms.*/\1/p' "$TSR_LOG_DIR/demo_window.out" 2>/dev/null | xargs)
  assert_match '^[0-9]+ [0-9]+ [0-9]+$' "$lived" "three Task Manager windows were closed"
  for ms in $lived; do
    assert_eq 1 "$(( ms <= 100 ))" "each Task Manager window closes within 100 ms ($ms ms)"
  done
  win_driver kill --exe demo_window.exe >/dev/null 2>&1
  win_stop
}

run_key_when_not_due() {
  tsr_app_folder Lockdown >/dev/null
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7"
  tsr_write_file "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(tsr_short_date "$TSR_LANG" 0)"
  wine reg add "$RUN" /v LoGonWindow /d 'D:\Elsewhere\Tessarin.exe' /f >/dev/null 2>&1
  tsr_start "$TSR_APP_DIR" Tessarin.exe -U anna
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "not due: exit code"
  assert_eq 'D:\Elsewhere\Tessarin.exe' "$(tsr_reg_get "$RUN" LoGonWindow)" "not due: the Run key is left as it was"
  wine reg delete "$RUN" /v LoGonWindow /f >/dev/null 2>&1
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  session_end
  no_buttons
  close_effects
  task_managers
  run_key_when_not_due
done
tsr_finish
