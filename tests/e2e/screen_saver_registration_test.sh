#!/usr/bin/env bash
# The declaration program registers itself as the current user's screen
# saver at the end of every normal start, from "Screen Saver": checked in
# "Control Panel\Desktop" of Wine's registry after real starts, for 30 and
# 600 seconds, for a missing key with this program and with another one as
# the screen saver, for the other requests Windows sends ("/S", "/c", "/p")
# and for the screen-saver start "/s", which changes nothing. The build's
# Tessarin.scr is the same program.
source "$(dirname "$0")/lib.sh"

DESKTOP='HKCU\Control Panel\Desktop'

desk_get() {
  local line
  line=$(wine reg query "$DESKTOP" /v "$1" 2>/dev/null | tr -d '\r' | grep -i -m1 "^    $1    REG_SZ")
  if [ -z "$line" ]; then echo "<missing>"; else echo "${line#*    REG_SZ    }"; fi
}
desk_set() { wine reg add "$DESKTOP" /v "$1" /d "$2" /f >/dev/null 2>&1; }

# The four values in one line: program|timeout|active|lock.
desk_values() {
  echo "$(desk_get SCRNSAVE.EXE)|$(desk_get ScreenSaveTimeOut)|$(desk_get ScreenSaveActive)|$(desk_get ScreenSaveWithLock)"
}

# start_once EXE ARGS...: a start that is not due must end by itself.
start_once() {
  tsr_start "$TSR_APP_DIR" "$@"
  if ! tsr_wait_exit 20; then
    tsr_fail "$* did not end"
    tsr_stop
  fi
  assert_eq 0 "$TSR_EXIT_CODE" "exit code of $*"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  scr="$(dirname "$(tsr_runner_exe)")/Tessarin.scr"
  tsr_app_folder Saver "$(tsr_runner_exe)" "$scr" >/dev/null
  EXE='C:\Tsr\Saver\Tessarin.exe'
  never="Declaration Period Days=-2,never shown"
  assert_eq "$(md5sum <"$(tsr_runner_exe)")" "$(md5sum <"$scr")" "Tessarin.scr is the same program"

  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$never" "Screen Saver=30,seconds idle"
  start_once Tessarin.exe
  assert_eq "$EXE|100|1|1" "$(desk_values)" "Screen Saver 30"

  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$never" "Screen Saver=600"
  start_once Tessarin.exe
  assert_eq "$EXE|600|1|1" "$(desk_values)" "Screen Saver 600"

  # The screen-saver start never registers or unregisters.
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$never"
  tsr_write_file "$TSR_APP_DIR/ScreenSaver.ini" "$never"
  start_once Tessarin.exe /s
  assert_eq "$EXE|600|1|1" "$(desk_values)" "after a /s start"

  # Missing key while this program is the screen saver: unregistered.
  start_once Tessarin.exe
  assert_eq "|0|1|0" "$(desk_values)" "Screen Saver missing, this program registered"

  # Missing key while another screen saver is set: left alone.
  desk_set SCRNSAVE.EXE 'C:\windows\system32\Mystify.scr'
  desk_set ScreenSaveTimeOut 300
  desk_set ScreenSaveWithLock 1
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$never" "Screen Saver=0"
  start_once Tessarin.exe
  assert_eq 'C:\windows\system32\Mystify.scr|300|1|1' "$(desk_values)" "another screen saver kept"

  # "/S", configure and preview requests are normal starts.
  for request in /S /c /p; do
    desk_set ScreenSaveTimeOut 300
    tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$never" "Screen Saver=150.5"
    if [ "$request" = /p ]; then start_once Tessarin.exe /p 65792; else start_once Tessarin.exe "$request"; fi
    assert_eq "$EXE|150|1|1" "$(desk_values)" "registration by a $request start (150.5 rounds to 150)"
  done

  # Started under its screen-saver name, it registers that name.
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$never" "Screen Saver=120"
  start_once Tessarin.scr /c
  assert_eq 'C:\Tsr\Saver\Tessarin.scr|120|1|1' "$(desk_values)" "registration as Tessarin.scr"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$never"
  start_once Tessarin.exe
  assert_eq "|0|1|0" "$(desk_values)" "the .scr registration counts as this program's"

  # A due start registers too, once its window is up.
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "Screen Saver=45"
  tsr_start "$TSR_APP_DIR" Tessarin.exe
  if tsr_driver wait-window --exe Tessarin.exe --timeout 20000 >/dev/null; then
    sleep 1
    assert_eq "$EXE|100|1|1" "$(desk_values)" "registration while the declaration is shown"
  else
    tsr_fail "no window for a due start"
  fi
  tsr_stop
  rm -f "$TSR_APP_DIR/ScreenSaver.ini"
  wine reg delete "$DESKTOP" /v SCRNSAVE.EXE /f >/dev/null 2>&1
done
tsr_finish
