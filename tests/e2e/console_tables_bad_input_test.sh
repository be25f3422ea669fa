#!/usr/bin/env bash
# The console's tables given files no administrator should have to fear: a
# settings file of 10,000 lines with values of 32 KB (opens, scrolls to its
# end, one value edited, every other line saved as it was), a dates file of
# binary garbage (shown, left alone), and files that cannot be written (the
# save names the file and does not say "saved").
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/console_tables_lib.sh"

# message_box: the text of the console's message box (titled like its
# window), which is then closed.
message_box() {
  adm wait-window --class "#32770" --timeout 5000 >/dev/null || { echo "<no box>"; return 1; }
  adm list --class "#32770" | awk -F'\t' 'NR > 1 && $2 == "Static" && $8 != "\"\"" { print $8 }' |
    sed 's/^"//; s/"$//; s/\\\\/\\/g'
  adm click --class "#32770" --text OK >/dev/null
}

big_settings() {
  local big
  big=$(head -c 32768 /dev/zero | tr '\0' 'x')
  {
    printf 'Long Caption=%s, with a comma\r\n' "$big"
    printf 'Big Value=%s,note\r\n' "$big"
    awk 'BEGIN { for (i = 1; i <= 9997; i++) printf "Setting %05d=%d,a choice,another\r\n", i, i }'
    printf 'Last Setting=1,note\r\n'
  } >"$TSR_APP_DIR/Tessarin.ini"
  cp "$TSR_APP_DIR/Tessarin.ini" "$TSR_LOG_DIR/settings-before.ini"

  local started took
  started=$(tsr_now_ms)
  console_open || return 1
  tab "$TAB_SETTINGS"
  took=$(( $(tsr_now_ms) - started ))
  echo "10,000 settings shown in $took ms"
  # To the end and back a page: the last setting is the row above the empty one.
  adm click --title "$CAPTION" --id "$ID_SETTINGS" --at "$FIRST_COL_X,$(row_y 1)" \
    key CTRL+END key PAGEUP key CTRL+END key UP
  shot console-settings-10000
  adm type --title "$CAPTION" --input 9 key RETURN
  save
  assert_eq "Files have been saved" "$(status)" "a 10,000-line settings file saved"
  sed 's/^Last Setting=1,note\r$/Last Setting=9,note\r/' "$TSR_LOG_DIR/settings-before.ini" >"$TSR_LOG_DIR/settings-want.ini"
  if cmp -s "$TSR_LOG_DIR/settings-want.ini" "$TSR_APP_DIR/Tessarin.ini"; then
    tsr_pass "every line kept, the one edited changed"
  else
    cp "$TSR_APP_DIR/Tessarin.ini" "$TSR_LOG_DIR/settings-saved.ini"
    tsr_fail "the saved settings file differs beyond the edited line (see $TSR_LOG_DIR)"
  fi
  console_close
}

garbage_dates() {
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Timeout=30,seconds"
  dates_file_lines
  head -c 4096 /dev/urandom >"$TSR_APP_DIR/Documents/Document.ini"
  printf '\r\nMonday=C:\\a.htm\r\n\0\0\0=\r\n' >>"$TSR_APP_DIR/Documents/Document.ini"
  local sum
  sum=$(md5sum <"$TSR_APP_DIR/Documents/Document.ini")
  console_open || return 1
  tab "$TAB_DATES"
  table_menu "$ID_DATES" 3
  shot console-dates-garbage
  console_close
  assert_eq "$sum" "$(md5sum <"$TSR_APP_DIR/Documents/Document.ini")" "a dates file of garbage is left as it was"
}

# A file that cannot be written: the save stops, names it, and the edits stay.
unwritable() {
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Timeout=30,seconds"
  dates_file_lines "Monday=C:\\a.htm"
  chmod a-w "$TSR_APP_DIR/Tessarin.ini"
  console_open || return 1
  tab "$TAB_SETTINGS"
  cell "$ID_SETTINGS" 1 value
  adm type --title "$CAPTION" --input 45 key RETURN
  save
  assert_eq "Could not save $TSR_APP_WINDIR\\Tessarin.ini: the file or its folder cannot be written" \
    "$(message_box)" "the message names the settings file"
  assert_eq "Files have not been saved: Could not save $TSR_APP_WINDIR\\Tessarin.ini: the file or its folder cannot be written" \
    "$(status)" "the status names the settings file"
  assert_eq 1 "$(save_button)" "Save stays enabled"
  chmod u+w "$TSR_APP_DIR/Tessarin.ini"
  chmod a-w "$TSR_APP_DIR/Documents/Document.ini"
  save
  assert_match "^Could not save $(sed 's/\\/\\\\/g' <<<"$TSR_APP_WINDIR")\\\\documents\\\\document\.ini" "$(message_box)" \
    "the message names the dates file"
  assert_file_contains "$TSR_APP_DIR/Tessarin.ini" "Timeout=45,seconds"
  chmod u+w "$TSR_APP_DIR/Documents/Document.ini"
  save
  assert_eq "Files have been saved" "$(status)" "saved once the files can be written"
  console_close
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  TSR_LANG=en_US.UTF-8
  console_folder TablesBad >/dev/null || continue
  dates_file_lines "Monday=C:\\a.htm"
  big_settings
  garbage_dates
  unwritable
done
tsr_finish
