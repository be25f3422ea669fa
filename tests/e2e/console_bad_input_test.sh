#!/usr/bin/env bash
# The console on application folders it cannot fully use: no sub-folders,
# a settings file of 40,000 lines, binary garbage as document and settings,
# a path with spaces and accents, a read-only document, a "Declaration
# Document" naming a folder. The window always comes up and closes, and a
# save that fails says which file and why and loses nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/console_lib.sh"

shot() { tsr_screenshot "$1-$TSR_FLAVOUR" >/dev/null; }
doc_file() { echo "$TSR_APP_DIR/Documents/index.html"; }
type_at_end() { adm key --exe "$CONSOLE" --title "$CAPTION" --id "$ID_EDITOR" CTRL+END type --id "$ID_EDITOR" "$1"; }
# Text the console shows, in UTF-8 (it speaks the ANSI code page, 1252 here).
from_ansi() { iconv -f CP1252 -t UTF-8; }

# Visits every tab and comes back: each shows its file.
visit_tabs() {
  local index
  for index in 1 2 3 0; do tab_click "$index"; done
  console_list
  assert_eq 0 "$(tab_current)" "$1: every tab visited"
}

# A save that fails: the message names the file, the edit stays.
failed_save() {
  local what=$1 file=$2 edit=$3 shot_name=${4:-}
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_ACTION"
  if [ -n "$shot_name" ]; then
    adm wait-window --class "#32770" --title "$CAPTION" --timeout 5000 >/dev/null
    shot "$shot_name"
  fi
  local message
  message=$(box_answer "$CAPTION" OK | from_ansi)
  assert_match "^Could not save ${file//\\/\\\\}: .+" "$message" "$what: the message names the file and the reason"
  console_list
  assert_match "^Files have not been saved" "$(con_text $ID_STATUS | from_ansi)" "$what: status"
  assert_eq 1 "$(con_enabled $ID_ACTION)" "$what: Save still enabled"
  assert_match "$edit" "$(con_whole_text $ID_EDITOR)" "$what: the editor keeps the edit"
}

# Closing with a change pending: the prompt, answered No.
close_discarding() {
  adm close --exe "$CONSOLE" --title "$CAPTION"
  box_answer "Save File" No >/dev/null
  tsr_wait_exit 15 || { tsr_fail "$1: the console did not end"; console_stop; return; }
  assert_eq 0 "$TSR_EXIT_CODE" "$1: exit code"
}

no_subfolders() {
  tsr_app_folder Bare "$(tsr_admin_exe)" "$TSR_ROOT/sample/Tessarin.ini" >/dev/null || return
  console_open "no sub-folders" || return
  assert_eq "$TSR_APP_WINDIR\\documents\\index.htm" "$(con_text $ID_PATH)" "no sub-folders: the last fall-back"
  visit_tabs "no sub-folders"
  tab_click 0 --right
  shot console-bare-docmenu
  adm key --exe "$CONSOLE" --title "$CAPTION" ESCAPE
  tab_click 0 --double
  assert_eq "Doc Editor" "$(tab_captions | cut -d'|' -f1)" "no sub-folders: the missing .htm is edited"
  type_at_end "<p>New document</p>"
  failed_save "no Documents folder" "$TSR_APP_WINDIR\\documents\\index.htm" "New document"
  close_discarding "no sub-folders"
}

huge_settings() {
  console_folder Huge || return
  awk 'BEGIN { ORS = "\r\n"; for (i = 1; i <= 40000; i++) printf "Setting %05d=Value %d, a note%s", i, i, ORS }' \
    >>"$TSR_APP_DIR/Tessarin.ini"
  local started=$(tsr_now_ms)
  console_open "40,000 settings" || return
  local took=$(($(tsr_now_ms) - started))
  echo "40,000-line settings file: window in $took ms"
  assert_eq 1 "$((took < 15000))" "40,000 settings: the window within 15 s ($took ms)"
  visit_tabs "40,000 settings"
  console_close "40,000 settings"
}

# A 5 MB document edits and saves whole.
big_document() {
  console_folder Big || return
  awk 'BEGIN { ORS = "\r\n"; print "<html><body>"
    for (i = 1; i <= 75000; i++) printf "<p>Paragraph %05d of the long declaration, written out in full.</p>%s", i, ORS
    print "</body></html>" }' >"$(doc_file)"
  local size
  size=$(stat -c %s "$(doc_file)")
  console_open "5 MB document" || return
  tab_click 0 --double
  type_at_end "<p>End</p>"
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_ACTION"
  console_list
  assert_eq "Files have been saved" "$(con_text $ID_STATUS)" "5 MB document: saved"
  assert_eq $((size + 10 + 2)) "$(stat -c %s "$(doc_file)")" "5 MB document: the whole text, the edit and CR LF"
  console_close "5 MB document"
}

garbage() {
  console_folder Garbage || return
  # Pieces of the program itself: NULs, control bytes, no line structure.
  head -c 300000 "$(tsr_admin_exe)" >"$(doc_file)"
  tail -c 200000 "$(tsr_admin_exe)" >"$TSR_APP_DIR/Tessarin.ini"
  cp "$(doc_file)" "$TSR_LOG_DIR/garbage.html"
  console_open "binary garbage" || return
  tab_click 0 --double
  visit_tabs "binary garbage"
  shot console-garbage
  console_close "binary garbage"
  if cmp -s "$TSR_LOG_DIR/garbage.html" "$(doc_file)"; then
    tsr_pass "binary garbage: the document is left as it was"
  else
    tsr_fail "binary garbage: the document changed without a save"
  fi
}

accents() {
  local name="Dossier été 2026"
  console_folder "$name" || return
  console_open "spaces and accents" || return
  assert_eq "C:\\Tsr\\$name\\documents\\index.html" "$(con_text $ID_PATH | from_ansi)" "spaces and accents: path label"
  tab_click 0 --double
  type_at_end "<p>Réglement revu</p>"
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_ACTION"
  console_list
  assert_eq "Files have been saved" "$(con_text $ID_STATUS)" "spaces and accents: saved"
  assert_file_contains "$(doc_file)" "$(printf '<p>R\351glement revu</p>')"
  console_close "spaces and accents"
}

read_only() {
  console_folder ReadOnly || return
  chmod a-w "$(doc_file)"
  cp "$(doc_file)" "$TSR_LOG_DIR/read-only.html"
  console_open "read-only document" || return
  tab_click 0 --double
  type_at_end "<p>Kept edit</p>"
  failed_save "read-only document" "$TSR_APP_WINDIR\\documents\\index.html" "Kept edit" console-read-only
  assert_file_contains "$(doc_file)~" "<p>Kept edit</p>"
  if cmp -s "$TSR_LOG_DIR/read-only.html" "$(doc_file)"; then
    tsr_pass "read-only document: left as it was"
  else
    tsr_fail "read-only document: changed"
  fi
  close_discarding "read-only document"
  chmod u+w "$(doc_file)"
}

folder_as_document() {
  console_folder Folder || return
  ini_set "$TSR_APP_DIR/Tessarin.ini" "Declaration Document" "$TSR_APP_WINDIR\\Documents"
  console_open "document naming a folder" || return
  assert_eq "$TSR_APP_WINDIR\\documents\\index.html" "$(con_text $ID_PATH)" "a folder as document: the fall-back"
  assert_match 'index\.html~$' "$(con_text $ID_LOCATION)" "a folder as document: the fall-back is shown"
  console_close "document naming a folder"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  no_subfolders
  huge_settings
  big_document
  garbage
  accents
  read_only
  folder_as_document
done
tsr_finish
