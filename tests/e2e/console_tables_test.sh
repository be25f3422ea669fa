#!/usr/bin/env bash
# The console's dates and settings tables, driven as an administrator would:
# the "Value" column's drop-down list and text editor, a cleared value put
# back, a remark line written with "=", the file picker on a weekday row and
# none on a date range, saving both files, the save prompt's No (dates kept,
# settings reloaded), "Reload Dates" and "Clear All Dates", and the two fills
# in en_US, en_GB and de_DE. Screenshots of both tabs, the editors and the
# menu.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/console_tables_lib.sh"

settings_rows() {
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" \
    "Declaration Period Days=7,Monday,Tuesday,0,1,7,30" \
    "CheckBox Caption=I, User Name, have read it" \
    "Timeout=30,seconds" \
    "a remark line"
}

# The Value column: a drop-down list for two choices or more, else a text
# editor; what is chosen and typed goes into the file on Save.
edit_settings() {
  tab "$TAB_SETTINGS"
  shot console-settings-tab
  cell "$ID_SETTINGS" 1 value
  adm key --title "$CAPTION" RETURN
  assert_eq 1 "$(adm list --title "$CAPTION" | awk -F'\t' 'NR > 1 && $3 == 1002 { print $4; exit }')" \
    "the drop-down list shows in the Value cell of a setting with choices"
  adm key --title "$CAPTION" F4
  shot console-settings-dropdown
  adm key --title "$CAPTION" F4 type --input 0 key RETURN
  cell "$ID_SETTINGS" 2 value
  adm type --title "$CAPTION" --input "I, User Name, agree to it"
  assert_eq '"I, User Name, agree to it"' \
    "$(adm list --title "$CAPTION" | awk -F'\t' 'NR > 1 && $2 == "Edit" && $3 == 2 && $4 == 1 { print $8 }')" \
    "the text editor shows in the Value cell of a text key, holding what was typed"
  shot console-settings-text-editor
  adm key --title "$CAPTION" RETURN
  # A blanked value that carries a note is put back.
  cell "$ID_SETTINGS" 3 value
  adm key --title "$CAPTION" RETURN key BACK key RETURN
  assert_eq 1 "$(save_button)" "Save is enabled after editing settings"
  save
  assert_eq "Files have been saved" "$(status)" "status after Save"
  assert_eq "Declaration Period Days=0,Monday,Tuesday,0,1,7,30
CheckBox Caption=I, User Name, agree to it
Timeout=30,seconds
a remark line=" "$(lines "$TSR_APP_DIR/Tessarin.ini")" "the settings file after Save"
}

# The picker opens on a weekday row, not on a range; Save writes the rows.
edit_dates() {
  tab "$TAB_DATES"
  double_click "$ID_DATES" 2
  if adm wait-window --title Open --timeout 1500 >/dev/null 2>&1; then
    tsr_fail "a double-click on a date range opened the picker"
    adm click --title Open --text Cancel
  fi
  double_click "$ID_DATES" 1
  pick_file "a double-click on Monday" privacy.html
  shot console-dates-tab
  save
  assert_eq "Monday=$TSR_APP_WINDIR\\Documents\\privacy.html
1/1/2024-5/1/2024=C:\\Docs\\b.pdf" "$(lines "$TSR_APP_DIR/Documents/Document.ini")" "the dates file after Save"
}

# "No" to the save prompt: the edited dates stay in their table, the
# settings table is read again from its file.
prompt_no() {
  cell "$ID_DATES" 1
  adm type --title "$CAPTION" --input Friday key RETURN
  tab "$TAB_SETTINGS"
  cell "$ID_SETTINGS" 3 value
  adm type --title "$CAPTION" --input 45 key RETURN
  adm click --title "$CAPTION" --id "$ID_PATH"
  if adm wait-window --title "Save File" --timeout 5000 >/dev/null; then
    shot console-save-prompt
    adm click --title "Save File" --text "&No"
  else
    tsr_fail "no save prompt after edits"
  fi
  # The path label goes on to pick another settings file: cancelled.
  adm wait-window --title Open --timeout 5000 >/dev/null && adm click --title Open --text Cancel
  assert_eq "Files have not been saved" "$(status)" "status after No"
  assert_eq 0 "$(save_button)" "Save is disabled after No"
  tab "$TAB_DATES"
  cell "$ID_DATES" 1 value
  assert_eq 1 "$(save_button)" "a complete dates row made current enables Save"
  save
  assert_eq "Friday=$TSR_APP_WINDIR\\Documents\\privacy.html" "$(lines "$TSR_APP_DIR/Documents/Document.ini" | head -1)" \
    "the date edited before No is saved"
  assert_file_contains "$TSR_APP_DIR/Tessarin.ini" "Timeout=30,seconds"
}

# "Reload Dates" brings the file's rows back; "Clear All Dates" and Save
# write an empty file.
reload_and_clear() {
  local before
  before=$(lines "$TSR_APP_DIR/Documents/Document.ini")
  table_menu "$ID_DATES" 4 console-dates-menu
  table_menu "$ID_DATES" 3
  cell "$ID_DATES" 1 value
  save
  assert_eq "$before" "$(lines "$TSR_APP_DIR/Documents/Document.ini")" "cleared, reloaded and saved: the same file"
  table_menu "$ID_DATES" 4
  shot console-dates-cleared
  tab "$TAB_SETTINGS"
  cell "$ID_SETTINGS" 2
  save
  assert_eq 0 "$(stat -c %s "$TSR_APP_DIR/Documents/Document.ini")" "Clear All Dates, then Save: an empty file"
}

# The two fills in the scenario's language, saved.
fills() {
  local expected=$1 lang=${TSR_LANG%%.*} i
  console_folder "Fills$lang" >/dev/null || return 1
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Timeout=30"
  tsr_write_file "$TSR_APP_DIR/Documents/Document.ini" "x1=C:\\d1.html" "x2=C:\\d2.html" "x3=C:\\d3.html" \
    "x4=C:\\d4.html" "x5=C:\\d5.html" "x6=C:\\d6.html" "x7=C:\\d7.html"
  console_open || return 1
  tab "$TAB_DATES"
  table_menu "$ID_DATES" 1
  shot "console-dates-weekdays-$lang"
  save
  local want= day
  i=0
  for day in $expected; do
    i=$((i + 1))
    want+="$day=C:\\d$i.html"$'\n'
  done
  assert_eq "${want%$'\n'}" "$(lines "$TSR_APP_DIR/Documents/Document.ini")" "Fill Ordered Weekdays in $lang"
  table_menu "$ID_DATES" 2
  save
  want=
  for i in 1 2 3 4 5 6 7; do want+="$(tsr_short_date "$TSR_LANG" "$i")=C:\\d$i.html"$'\n'; done
  assert_eq "${want%$'\n'}" "$(lines "$TSR_APP_DIR/Documents/Document.ini")" "Fill Dates From Tomorrow in $lang"
  console_close
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  TSR_LANG=en_US.UTF-8
  console_folder Tables >/dev/null || continue
  settings_rows
  tsr_write_file "$TSR_APP_DIR/Documents/Document.ini" "Monday=C:\\Docs\\a.htm" "1/1/2024-5/1/2024=C:\\Docs\\b.pdf"
  cp "$TSR_ROOT/sample/Documents/privacy.html" "$TSR_APP_DIR/Documents/"
  console_open || continue
  edit_settings
  edit_dates
  prompt_no
  reload_and_clear
  console_close

  fills "Sunday Monday Tuesday Wednesday Thursday Friday Saturday"
  TSR_LANG=en_GB.UTF-8
  fills "Monday Tuesday Wednesday Thursday Friday Saturday Sunday"
  TSR_LANG=de_DE.UTF-8
  fills "Montag Dienstag Mittwoch Donnerstag Freitag Samstag Sonntag"
done
tsr_finish
