#!/usr/bin/env bash
# The path label's pickers through the real open dialog: each tab's dialog
# starts in its folder with its pattern and filter; a chosen document loads
# into the document tab, a chosen profile becomes the settings file being
# edited, and a cancelled dialog leaves the label as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/console_lib.sh"

DIALOG=(--class "#32770" --title Open)
ID_LOOK_IN=1137 ID_FILE_NAME=1148 ID_FILE_TYPE=1136

# pick_file WHAT FOLDER PATTERN FILTER [PATH]: clicks the path label, checks
# the dialog, then chooses PATH (typed) or cancels.
pick_file() {
  local what=$1 folder=$2 pattern=$3 filter=$4 path=${5:-}
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_PATH" >/dev/null
  if ! adm wait-window "${DIALOG[@]}" --timeout 10000 >/dev/null 2>&1; then
    tsr_fail "$what: no open dialog"
    return 1
  fi
  local listing
  listing=$(adm list "${DIALOG[@]}" | tr -d '\r')
  field() { awk -F'\t' -v id="$1" -v cls="$2" 'NR > 1 && $3 == id && $2 == cls { print $8; exit }' <<<"$listing" |
    sed 's/^"//; s/"$//'; }
  assert_eq "$folder|$pattern|$filter" \
    "$(field $ID_LOOK_IN ComboBox)|$(field $ID_FILE_NAME Edit)|$(field $ID_FILE_TYPE ComboBox)" \
    "$what: start folder, pattern and filter"
  if [ -z "$path" ]; then
    adm key "${DIALOG[@]}" ESCAPE >/dev/null
  else
    adm key "${DIALOG[@]}" CTRL+A type --input "$path" key RETURN >/dev/null
  fi
  sleep 0.5
  console_list
}

pickers() {
  local app=$TSR_APP_WINDIR
  pick_file "document tab" Documents "*.htm;*.html;*.pdf" "File (*.htm;*.html;*.pdf)" "$app\\Documents\\holiday.html"
  assert_eq "$app\\Documents\\holiday.html" "$(con_text $ID_PATH)" "document tab: the label names the chosen file"
  tab_click 0 --double
  console_list
  assert_eq "$(tr -d '\r' <"$TSR_APP_DIR/Documents/holiday.html")" "$(con_whole_text $ID_EDITOR | tr -d '\r')" \
    "document tab: the chosen document is in the editor"

  tab_click 2
  pick_file "settings tab, cancelled" Profiles "*.ini;" "File (*.ini)"
  assert_eq "$app\\Tessarin.ini" "$(con_text $ID_PATH)" "settings tab: a cancelled dialog keeps the label"
  pick_file "settings tab" Profiles "*.ini;" "File (*.ini)" "$app\\Profiles\\anna.ini"
  assert_eq "$app\\Profiles\\anna.ini" "$(con_text $ID_PATH)" "settings tab: the chosen profile"
  tab_click 1
  tab_click 2
  console_list
  assert_eq "$app\\Profiles\\anna.ini" "$(con_text $ID_PATH)" "settings tab: the profile stays the file edited"

  tab_click 1
  pick_file "dates tab" Documents "*.ini" "File (*.ini)" "$app\\Documents\\other.ini"
  assert_eq "$app\\Documents\\other.ini" "$(con_text $ID_PATH)" "dates tab: the chosen dates file"
  tsr_screenshot "console-pickers-$TSR_FLAVOUR" >/dev/null

  tab_click 3
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_PATH" >/dev/null
  sleep 0.5
  assert_eq "" "$(adm windows | tr -d '\r' | awk -F'\t' '$4 == "#32770" && $5 == "\"Open\""')" \
    "log tab: the label opens no dialog"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  console_folder Pickers || continue
  tsr_write_file "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=12/1/2026"
  tsr_write_file "$TSR_APP_DIR/Documents/other.ini" "Monday=holiday.html"
  console_open "pickers" || continue
  pickers
  console_close "pickers"
done
tsr_finish
