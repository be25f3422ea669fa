#!/usr/bin/env bash
# Start-up end to end in both flavours: a start that is not due ends without
# a window; a due start shows a full-screen window with the configured
# caption; period -3 records today as the user's last run; settings files
# saved by editors in other forms are read the same.
source "$(dirname "$0")/lib.sh"

EXE=Tessarin.exe

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  tsr_app_folder "Startup" >/dev/null

  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7,days between showings"
  tsr_write_file "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(tsr_short_date "$TSR_LANG" -1)"
  tsr_start "$TSR_APP_DIR" "$EXE" -U anna
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "exit code when not due"

  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" \
    "Declaration Caption=Acme Usage Policy,the window's caption"
  tsr_start "$TSR_APP_DIR" "$EXE"
  if tsr_driver wait-window --exe "$EXE" --timeout 20000 >/dev/null; then
    top=$(tsr_driver list --exe "$EXE" | head -n 1)
    assert_match '"Acme Usage Policy"$' "$top" "caption of the due window"
    assert_match $'\t0,0,1280,800\t' "$top" "window covers the screen"
    assert_match 'WS_EX_TOPMOST|topmost' "$top" "window stays on top"
    tsr_screenshot "startup-due-$flavour" >/dev/null
  else
    tsr_fail "no window for a due start"
  fi
  tsr_stop

  # Settings files as editors save them: a UTF-8 byte-order mark before the
  # first key, LF line ends alone, UTF-16.
  printf '\xEF\xBB\xBFDeclaration Period Days=-2\r\n' >"$TSR_APP_DIR/Tessarin.ini"
  tsr_start "$TSR_APP_DIR" "$EXE" -U anna
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "a byte-order mark before the first key: not due, no window"
  for form in lf utf16; do
    printf 'Declaration Period Days=0\nDeclaration Caption=Saved by an editor\n' >"$TSR_APP_DIR/Tessarin.ini"
    [ $form = utf16 ] && { printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE <"$TSR_APP_DIR/Tessarin.ini"; } \
      >"$TSR_APP_DIR/u16" && mv "$TSR_APP_DIR/u16" "$TSR_APP_DIR/Tessarin.ini"
    tsr_start "$TSR_APP_DIR" "$EXE"
    if tsr_driver wait-window --exe "$EXE" --timeout 20000 >/dev/null; then
      assert_match '"Saved by an editor"$' "$(tsr_driver list --exe "$EXE" | head -n 1)" "settings file with $form"
    else
      tsr_fail "settings file with $form: no window"
    fi
    tsr_stop
  done

  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=-3"
  tsr_write_file "$TSR_APP_DIR/Profiles/anna.ini" "Speaker Volume=5"
  tsr_start "$TSR_APP_DIR" "$EXE" -U anna
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "exit code for period -3"
  assert_file_contains "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(tsr_short_date "$TSR_LANG" 0)"
  assert_file_contains "$TSR_APP_DIR/Profiles/anna.ini" "Speaker Volume=5"
done
tsr_finish
