#!/usr/bin/env bash
# The setup tool against Wine's real registry: set-up, removal and check of
# the logon start under the chosen root, each checked in the registry and in
# the exact line of the check log (user, date and time as the locale writes
# them, outcome), and the exit code a deployment script sees. Runs
# unattended (TSR_UNATTENDED=1) so that a stray box cannot hold a case up;
# the boxes themselves are kelvane_messages_test.sh.
source "$(dirname "$0")/lib.sh"

RUN_KEY='Software\Microsoft\Windows\CurrentVersion\Run'
export TSR_UNATTENDED=1

# The registry view the tool of this flavour sees: reg.exe may be the 32-bit
# one, for which HKLM\Software of a 64-bit program lies elsewhere.
reg_view() { [ "$TSR_FLAVOUR" = win64 ] && echo /reg:64 || echo /reg:32; }

# reg_get ROOT NAME: the data of the Run-key value NAME, or "<missing>".
reg_get() {
  local line
  line=$(wine reg query "$1\\$RUN_KEY" /v "$2" "$(reg_view)" 2>/dev/null | tr -d '\r' | grep -i -m1 "^    $2    REG_SZ")
  if [ -z "$line" ]; then echo "<missing>"; else echo "${line#*    REG_SZ    }"; fi
}
reg_set() { wine reg add "$1\\$RUN_KEY" /v LoGonWindow /d "$2" /f "$(reg_view)" >/dev/null 2>&1; }
reg_clear() {
  wine reg delete "HKCU\\$RUN_KEY" /v LoGonWindow /f "$(reg_view)" >/dev/null 2>&1
  wine reg delete "HKLM\\$RUN_KEY" /v LoGonWindow /f "$(reg_view)" >/dev/null 2>&1
  return 0
}

# kelvane ARGS...: runs the tool in the application folder and waits for it.
kelvane() {
  tsr_start "$TSR_APP_DIR" Kelvane.exe "$@"
  if ! tsr_wait_exit 20; then
    tsr_screenshot "kelvane-hung-$TSR_FLAVOUR" >/dev/null
    tsr_fail "Kelvane $* did not end"
    tsr_stop
  fi
}

# assert_log FILE OUTCOME: the file is exactly one line "root,<date> <time>,OUTCOME".
assert_log() {
  local file=$1 outcome=$2 content time_re
  case "$TSR_LANG" in
    en_GB*) time_re='[0-9]{2}:[0-9]{2}:[0-9]{2}' ;;
    *) time_re='[0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM)' ;;
  esac
  if [ ! -f "$file" ]; then tsr_fail "no check log $file"; return 1; fi
  content=$(cat "$file"; echo x)
  content=${content%x}
  local user today line
  user=root
  today=$(tsr_short_date "$TSR_LANG" 0)
  line="${content%$'\r\n'}"
  assert_eq "$content" "$line"$'\r\n' "one CR LF line in $(basename "$file")"
  assert_eq 1 "$(printf '%s' "$content" | wc -l)" "line count of $(basename "$file")"
  assert_match "^$user,$today $time_re,(.*)\$" "$line" "log line form"
  assert_eq "$outcome" "${line#*,*,}" "log outcome"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  tsr_app_folder Kelvane "$(tsr_setup_exe)" "$(tsr_runner_exe)" >/dev/null
  APP='C:\Tsr\Kelvane\Tessarin.exe'
  LOGS='C:\Tsr\Kelvane\Logs\'
  mkdir -p "$TSR_APP_DIR/Logs"
  LOG="$TSR_APP_DIR/Logs/root_TsrChk.log"
  reg_clear

  # Program path without a comma: current user, log in the current folder.
  kelvane "$APP"
  assert_eq 0 "$TSR_EXIT_CODE" "exit code of a set-up"
  assert_eq "$APP" "$(reg_get HKCU LoGonWindow)" "HKCU value after set-up"
  assert_eq "<missing>" "$(reg_get HKLM LoGonWindow)" "HKLM value after an HKCU set-up"
  assert_log "$TSR_APP_DIR/root_TsrChk.log" "$APP"

  # Set-up twice: one value, one line; blanks round the path are trimmed.
  kelvane " $APP" ", $LOGS"
  kelvane "$APP," "$LOGS"
  assert_eq 0 "$TSR_EXIT_CODE" "exit code of a second set-up"
  assert_eq "$APP" "$(reg_get HKCU LoGonWindow)" "HKCU value after two set-ups"
  assert_log "$LOG" "$APP"

  # Selector 2: the local machine, for set-up and for check.
  reg_clear
  kelvane "$APP,$LOGS,2"
  assert_eq "$APP" "$(reg_get HKLM LoGonWindow)" "HKLM value after set-up with 2"
  assert_eq "<missing>" "$(reg_get HKCU LoGonWindow)" "HKCU untouched by a set-up with 2"
  assert_log "$LOG" "$APP"
  kelvane ",$LOGS,2"
  assert_eq 0 "$TSR_EXIT_CODE" "exit code of a check that finds the registration"
  assert_log "$LOG" "$APP"
  # 2.5 rounds to 2, 1.5 to 2 as well.
  kelvane ",$LOGS,2.5"
  assert_log "$LOG" "$APP"
  # 7, letters and an empty selector mean the current user, which has none.
  for selector in 7 letters ""; do
    kelvane ",$LOGS,$selector"
    assert_eq 1 "$TSR_EXIT_CODE" "exit code of a check that finds nothing (selector '$selector')"
    assert_log "$LOG" "Tessarin has not been set up as  cannot be seen."
  done
  kelvane "$APP,$LOGS,7"
  assert_eq "$APP" "$(reg_get HKCU LoGonWindow)" "HKCU value after set-up with 7"

  # 3 and 4: the current configuration and the users root; 3.5 rounds to 4.
  reg_clear
  kelvane "$APP,$LOGS,3"
  assert_eq "$APP" "$(reg_get HKCC LoGonWindow)" "HKCC value after set-up with 3"
  kelvane "$APP,$LOGS,3.5"
  assert_eq "$APP" "$(reg_get HKU LoGonWindow)" "HKU value after set-up with 3.5"
  assert_eq "<missing>" "$(reg_get HKCU LoGonWindow)" "HKCU untouched by set-ups with 3 and 4"
  for root in HKCC HKU; do wine reg delete "$root\\$RUN_KEY" /v LoGonWindow /f "$(reg_view)" >/dev/null 2>&1; done

  # Removal: both roots where the value names Tessarin; another program stays.
  reg_set HKCU "$APP"
  reg_set HKLM 'D:\Tessarin\Tessarin.exe'
  kelvane None "," "$LOGS"
  assert_eq 0 "$TSR_EXIT_CODE" "exit code of a removal"
  assert_eq "<missing>" "$(reg_get HKCU LoGonWindow)" "HKCU value after removal"
  assert_eq "<missing>" "$(reg_get HKLM LoGonWindow)" "HKLM value after removal"
  assert_log "$LOG" "None"
  reg_set HKCU 'C:\Tools\Watcher.exe'
  reg_set HKLM 'C:\Tsr\tessarin.exe'
  kelvane "None,$LOGS"
  assert_eq 'C:\Tools\Watcher.exe' "$(reg_get HKCU LoGonWindow)" "another program's entry kept"
  # Paths on Windows have no case: a set-up typed in lower case is removed too.
  assert_eq "<missing>" "$(reg_get HKLM LoGonWindow)" "an entry naming the product in another case removed"
  assert_log "$LOG" "None"

  # "none" is not the removal option: a check naming it.
  reg_clear
  reg_set HKCU "$APP"
  kelvane "none,$LOGS"
  assert_eq "$APP" "$(reg_get HKCU LoGonWindow)" "value kept after 'none'"
  assert_log "$LOG" "$APP"
  reg_clear
  kelvane "NONE,$LOGS"
  assert_eq 1 "$TSR_EXIT_CODE" "exit code of 'NONE' without registration"
  assert_log "$LOG" "Tessarin has not been set up as NONE cannot be seen."

  # A program that is not there: check, naming the path.
  kelvane 'C:\Tsr\Gone\Tessarin.exe,'"$LOGS"
  assert_eq 1 "$TSR_EXIT_CODE" "exit code for a missing program"
  assert_eq "<missing>" "$(reg_get HKCU LoGonWindow)" "nothing registered for a missing program"
  assert_log "$LOG" 'Tessarin has not been set up as C:\Tsr\Gone\Tessarin.exe cannot be seen.'

  # A folder is no program; wildcards and characters a search rejects name no one file.
  for path in 'C:\Tsr\Kelvane' 'C:\Tsr\Kelvane\Tess*.exe' 'C:\Tsr\Kelvane\<Tessarin>|.exe'; do
    kelvane "$path,$LOGS"
    assert_eq 1 "$TSR_EXIT_CODE" "exit code for '$path'"
    assert_log "$LOG" "Tessarin has not been set up as $path cannot be seen."
  done
  assert_eq "<missing>" "$(reg_get HKCU LoGonWindow)" "nothing registered for paths naming no one file"

  # A selector beyond 16 bits changes nothing: only a check.
  kelvane "$APP,$LOGS,65538"
  assert_eq 1 "$TSR_EXIT_CODE" "exit code for an oversized selector"
  assert_eq "<missing>" "$(reg_get HKCU LoGonWindow)" "HKCU untouched by an oversized selector"
  assert_eq "<missing>" "$(reg_get HKLM LoGonWindow)" "HKLM untouched by an oversized selector"
  assert_log "$LOG" "Tessarin has not been set up as $APP cannot be seen."

  # Ten thousand commas: a plain check, logged in the current folder, at once.
  rm -f "$TSR_APP_DIR/root_TsrChk.log"
  started=$(tsr_now_ms)
  kelvane "$(printf ',%.0s' $(seq 10000))"
  took=$(( $(tsr_now_ms) - started ))
  assert_eq 1 "$TSR_EXIT_CODE" "exit code for 10,000 commas"
  assert_log "$TSR_APP_DIR/root_TsrChk.log" "Tessarin has not been set up as  cannot be seen."
  [ "$took" -lt 10000 ] || tsr_fail "10,000 commas took $took ms"

  # The log follows the locale's date and time form.
  reg_set HKCU "$APP"
  TSR_LANG=en_GB.UTF-8 kelvane ",$LOGS"
  TSR_LANG=en_GB.UTF-8 assert_log "$LOG" "$APP"

  # A log location that is a folder without its final backslash cannot be
  # written: exit code 2, and the registry is left as it was.
  kelvane ",${LOGS%\\}"
  assert_eq 2 "$TSR_EXIT_CODE" "exit code when the log names a folder"
  assert_eq "$APP" "$(reg_get HKCU LoGonWindow)" "registration kept after a failed log"
  reg_clear
done
tsr_finish
