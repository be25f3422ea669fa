#!/usr/bin/env bash
# What the console saves is what the declaration program reads, with the
# real programs in one folder: the period chosen from the drop-down list and
# the check box caption typed into the text editor of the settings table,
# today's weekday given a document after "Fill Ordered Weekdays"; then
# Tessarin.exe, not due before, shows its window with the new caption and
# that document.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/console_tables_lib.sh"

# The declaration program for anna: whether its window comes up.
declaration_shows() {
  tsr_start "$TSR_APP_DIR" Tessarin.exe -U anna
  if win_driver wait-window --exe Tessarin.exe --timeout "$1" >/dev/null 2>&1; then
    WIN_LIST=$(win_driver list --exe Tessarin.exe | tr -d '\r')
    return 0
  fi
  tsr_wait_exit 20 || win_stop
  return 1
}

edit_in_console() {
  console_open || return 1
  tab "$TAB_SETTINGS"
  cell "$ID_SETTINGS" 1 value
  adm key --title "$CAPTION" RETURN type --input 0 key RETURN
  cell "$ID_SETTINGS" 2 value
  adm type --title "$CAPTION" --input "I, User Name, agree to it" key RETURN
  save
  assert_eq "Files have been saved" "$(status)" "settings saved"

  # Rows 1 to 7 hold the week from the system's first day, Sunday in en_US.
  tab "$TAB_DATES"
  table_menu "$ID_DATES" 1
  double_click "$ID_DATES" $(($(date +%w) + 1))
  pick_file "today's weekday" privacy.html
  shot console-dates-today
  save
  assert_eq "$(LC_ALL=C date +%A)=$TSR_APP_WINDIR\\Documents\\privacy.html" \
    "$(lines "$(saved_dates_file)")" "the dates file: today's weekday and its document"
  console_close
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  TSR_LANG=en_US.UTF-8
  console_folder ToDeclaration >/dev/null || continue
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" \
    "Declaration Period Days=7,Monday,Tuesday,Wednesday,Thursday,Friday,0,1,7,30,90,-1" \
    "CheckBox Caption=I, User Name, have read it" "Speaker=No,Yes,No"
  tsr_write_file "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(tsr_short_date "$TSR_LANG" 0)"
  mkdir -p "$TSR_APP_DIR/Documents"
  cp "$TSR_ROOT/sample/Documents/index.html" "$TSR_ROOT/sample/Documents/privacy.html" "$TSR_APP_DIR/Documents/"

  if declaration_shows 3000; then
    tsr_fail "period 7, accepted today: the declaration showed before the console's changes"
    win_stop
  fi
  edit_in_console || continue
  assert_file_contains "$TSR_APP_DIR/Tessarin.ini" \
    "Declaration Period Days=0,Monday,Tuesday,Wednesday,Thursday,Friday,0,1,7,30,90,-1"
  assert_file_contains "$TSR_APP_DIR/Tessarin.ini" "CheckBox Caption=I, User Name, agree to it"

  if declaration_shows 20000; then
    assert_eq "I, anna, agree to it" "$(win_text "$ID_CHK_CAPTION")" "the caption typed in the console"
    assert_match "^Employee Privacy Notice" "$(win_document)" "the document given to today's weekday"
    shot console-saved-declaration
    win_stop
  else
    tsr_fail "period 0 saved by the console: no declaration window"
  fi
done
tsr_finish
