#!/usr/bin/env bash
# The run decision of the real Tessarin.exe under Wine's own clock and
# regional settings: due starts show the window, others end at once.
source "$(dirname "$0")/lib.sh"

EXE=Tessarin.exe

# expect_start WHAT due|not-due [ARGS...]: starts the program in the current
# folder and checks whether it showed its window or ended by itself.
expect_start() {
  local what=$1 expected=$2
  shift 2
  tsr_start "$TSR_APP_DIR" "$EXE" "$@"
  # Whichever comes first: the program ends (not due) or its window shows.
  # The driver runs in the same language: a Wine process started in another
  # one rewrites the user's regional settings while the program reads them.
  local deadline=$(( $(tsr_now_ms) + 12000 ))
  while [ "$(tsr_now_ms)" -lt "$deadline" ]; do
    if tsr_wait_exit 0; then
      assert_eq "$expected" not-due "$what ($TSR_LANG)"
      return
    fi
    if LANG=$TSR_LANG LC_ALL=$TSR_LANG tsr_driver wait-window --exe "$EXE" --timeout 300 >/dev/null; then
      assert_eq "$expected" due "$what ($TSR_LANG)"
      tsr_stop
      return
    fi
  done
  tsr_fail "$what ($TSR_LANG): neither ended nor showed a window"
  tsr_stop
}

settings() { tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$@"; }
profile() { tsr_write_file "$TSR_APP_DIR/Profiles/$1.ini" "${@:2}"; }
day() { tsr_short_date "$TSR_LANG" "$1"; }
weekday() { LC_ALL=$TSR_LANG date -d "$1 days" "+$2"; }

decide_in_locale() {
  tsr_app_folder "Decision" >/dev/null

  settings ""
  expect_start "no settings, no user" due
  settings "Declaration Period Days=7"
  expect_start "period 7 without a profile user" not-due
  expect_start "period 7, -u names no user" not-due -u anna

  profile anna "Last Run=$(day -6)"
  expect_start "period 7, last run six days ago" not-due -U anna
  profile anna "Last Run=$(day -7)"
  expect_start "period 7, last run seven days ago" due -U anna
  profile anna "Last Run=$(day 1)"
  expect_start "period 7, last run tomorrow" not-due -Uanna
  profile anna "Speaker Volume=5"
  expect_start "period 7, first run" due -U anna

  profile anna "Last Run=$(day -1)"
  expect_start "/S is not the screen saver" not-due /S -U anna
  expect_start "/s ignores the last run" due /s -U anna

  settings "Declaration Period Days=-1"
  local century=$(( ($(date -d '+99 years' +%s) - $(date +%s)) / 86400 ))
  profile anna "Last Run=$(day "$century")"
  expect_start "period -1 after acceptance" not-due -U anna
  rm -f "$TSR_APP_DIR/Profiles/anna.ini"
  expect_start "period -1 before acceptance" due -U anna

  settings "Declaration Period Days=-3"
  profile anna "Last Run=$(day -30)" "Keep=this"
  expect_start "period -3" not-due -U anna
  assert_file_contains "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(day 0)"
  assert_file_contains "$TSR_APP_DIR/Profiles/anna.ini" "Keep=this"

  settings "Declaration Period Days=$(weekday 0 %A)"
  expect_start "today's full weekday name" due
  settings "Declaration Period Days=$(weekday 0 %a)"
  expect_start "today's short weekday name" due
  settings "Declaration Period Days=$(weekday 1 %A)"
  expect_start "tomorrow's weekday name" not-due

  settings "Declaration Period Days=$(day -2)-$(day 0)"
  expect_start "range ending today" due
  settings "Declaration Period Days=$(day 1)-$(day 3)"
  expect_start "range starting tomorrow" not-due
  settings "Declaration Period Days=$(date -d '-1 day' +%F)-$(date -d '1 day' +%F)"
  expect_start "range of dates written with -" not-due
  settings "Declaration Period Days=$(day 0)"
  expect_start "today's date" due
}

tsr_prefix "$(tsr_main_flavour)"
for TSR_LANG in en_US.UTF-8 en_GB.UTF-8; do
  decide_in_locale
done
tsr_finish
