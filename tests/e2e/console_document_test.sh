#!/usr/bin/env bash
# The console's document tab: the mode in the tab caption and the View item,
# the editor and the viewer (which previews the working copy), an edit lost
# by leaving the tab, Save and Ctrl+S (the file gets one extra CR LF), the
# save prompt's Yes and No on close, a PDF document that stays in the viewer,
# and the style documents offered by the tab's pop-up menu.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/console_lib.sh"

shot() { tsr_screenshot "$1-$TSR_FLAVOUR" >/dev/null; }
doc_file() { echo "$TSR_APP_DIR/Documents/index.html"; }
first_caption() { tab_captions | cut -d'|' -f1; }

# The caption of a menu item as drawn: a picture of the open pop-up's
# item (the menus of another program cannot be read under Wine).
# item_picture NAME first|last: the first or last item of the open pop-up.
item_picture() {
  local l t r b
  IFS=, read -r l t r b < <(adm list --class "#32768" --timeout 5000 | head -n 1 | cut -f6)
  if [ -z "$b" ]; then
    tsr_fail "$1: no pop-up menu on screen"
    return
  fi
  if [ "$2" = first ]; then t=$((t + 3)); else t=$((b - 20)); fi
  screen_crop "$1" $((l + 3)) "$t" 80 16 >/dev/null
}
# The View menu's last item, mnuViewWebBrowser.
view_item() {
  menu_key V
  item_picture "$1" last
  adm key --exe "$CONSOLE" --title "$CAPTION" ESCAPE key ESCAPE
}
# DocMenu's first item, ViewEditMenu.
docmenu_item() {
  tab_click 0 --right
  item_picture "$1" first
  adm key --exe "$CONSOLE" --title "$CAPTION" ESCAPE
}
# View > (the other mode): the View menu opens on its first item.
view_toggle() { menu_key V UP RETURN; }

# Editor text as a file (the driver ends its output with one line feed).
editor_to() {
  adm get-text --exe "$CONSOLE" --title "$CAPTION" --id "$ID_EDITOR" >"$1"
  truncate -s -1 "$1"
}
type_at_end() { adm key --exe "$CONSOLE" --title "$CAPTION" --id "$ID_EDITOR" CTRL+END type --id "$ID_EDITOR" "$1"; }

# Style documents with known last-access dates, newest first:
# HighContrast, Corporate, Plain; a working copy left in the folder is newer
# still and must not be offered.
style_dates() {
  local styles=$TSR_APP_DIR/DocStyles
  cp "$styles/Corporate.html" "$styles/Aaa.html~"
  touch -a -d '2026-01-09 12:00' "$styles/Aaa.html~"
  touch -a -d '2026-01-05 12:00' "$styles/HighContrast.html"
  touch -a -d '2026-01-04 12:00' "$styles/Corporate.html"
  touch -a -d '2026-01-03 12:00' "$styles/Plain.html"
}

modes() {
  console_list
  assert_eq "Doc Viewer" "$(first_caption)" "the opening load ends in the viewer"
  assert_match 'index\.html~$' "$(con_text $ID_LOCATION)" "the viewer shows the working copy"
  assert_match "Computer Usage Declaration" "$(con_whole_text $ID_VIEWER)" "the viewer's text"
  view_item view-viewer
  docmenu_item docmenu-viewer
  shot console-doc-viewer

  tab_click 0 --double
  console_list
  assert_eq "Doc Editor" "$(first_caption)" "a double-click on the tab switches to the editor"
  assert_eq "$ID_EDITOR" "$(con_page)" "the editor shows"
  assert_eq "Edit Tessarin Document" "$(con_text $ID_STATUS)" "status in the editor"
  assert_same_text "$(doc_file)" "$(con_whole_text $ID_EDITOR)" "the editor holds the document"
  view_item view-editor
  docmenu_item docmenu-editor
  shot console-doc-editor
  assert_eq 0 "$(same_picture "$TSR_LOG_DIR/view-viewer.png" "$TSR_LOG_DIR/view-editor.png")" \
    "the View item names the other mode"
  assert_eq 0 "$(same_picture "$TSR_LOG_DIR/docmenu-viewer.png" "$TSR_LOG_DIR/docmenu-editor.png")" \
    "DocMenu's first item names the other mode"
}

# Edits go to the working copy, which the viewer previews; leaving the tab
# and coming back shows the saved document again, Save still enabled.
edits() {
  type_at_end "<p>Edited line</p>"
  console_list
  assert_eq 1 "$(con_enabled $ID_ACTION)" "an edit enables Save"
  view_toggle
  console_list
  assert_eq "Doc Viewer $ID_VIEWER" "$(first_caption) $(con_page)" "View > Doc Viewer"
  assert_eq "View Tessarin Document" "$(con_text $ID_STATUS)" "status in the viewer"
  assert_file_contains "$(doc_file)~" "<p>Edited line</p>"
  assert_file_not_contains "$(doc_file)" "Edited line"
  assert_match "Edited line" "$(con_whole_text $ID_VIEWER)" "the viewer previews the unsaved edit"
  tab_click 0 --right
  adm menu --exe "$CONSOLE" "#1"
  assert_eq "Doc Editor" "$(first_caption)" "DocMenu's first item switches back to the editor"
  assert_match "Edited line" "$(con_whole_text $ID_EDITOR)" "the edit is still in the editor"

  tab_click 1
  console_list
  assert_eq 1 "$(con_enabled $ID_ACTION)" "Save stays enabled on Doc Dates"
  tab_click 0
  console_list
  assert_same_text "$(doc_file)" "$(con_whole_text $ID_EDITOR)" "back on the tab: the saved text again"
  assert_eq 1 "$(con_enabled $ID_ACTION)" "Save still enabled back on the tab"
}

# Select-all and undo in the editor (the tab is back in the viewer).
editor_keys() {
  tab_click 0 --double
  adm key --exe "$CONSOLE" --title "$CAPTION" --id "$ID_EDITOR" CTRL+A type --id "$ID_EDITOR" "Replaced"
  assert_eq "Replaced" "$(con_whole_text $ID_EDITOR)" "Ctrl+A selects the whole text"
  adm key --exe "$CONSOLE" --title "$CAPTION" --id "$ID_EDITOR" CTRL+Z
  assert_same_text "$(doc_file)" "$(con_whole_text $ID_EDITOR)" "Ctrl+Z brings the text back"
}

saves() {
  type_at_end "<p>Saved edit</p>"
  editor_to "$TSR_LOG_DIR/editor.txt"
  printf '\r\n' >>"$TSR_LOG_DIR/editor.txt"
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_ACTION"
  console_list
  assert_eq "Files have been saved 0" "$(con_text $ID_STATUS) $(con_enabled $ID_ACTION)" "status and Save after saving"
  if cmp -s "$TSR_LOG_DIR/editor.txt" "$(doc_file)"; then
    tsr_pass "the file is the editor's text and one CR LF"
  else
    tsr_fail "the saved file differs from the editor's text and one CR LF"
  fi
  assert_eq '</p>\r\n' "$(tail -c 6 "$(doc_file)" | od -An -c | tr -d ' ')" "a text ending without a line break"

  type_at_end "<p>Control S</p>"
  adm key --exe "$CONSOLE" --title "$CAPTION" --id "$ID_EDITOR" CTRL+S
  console_list
  assert_file_contains "$(doc_file)" "<p>Saved edit</p><p>Control S</p>"
  assert_eq 0 "$(con_enabled $ID_ACTION)" "Ctrl+S saves like the Save button"
}

# DocMenu > Select Style: newest access date first, "~" files left out.
styles() {
  tab_click 0 --right
  adm key --exe "$CONSOLE" --title "$CAPTION" DOWN key DOWN key RIGHT
  shot console-doc-styles
  adm key --exe "$CONSOLE" --title "$CAPTION" ESCAPE key ESCAPE
  local choice file text
  while read -r choice file text; do
    # A right-click straight after a menu closed is now and then taken by
    # Wine's closing menu: open it once more when no pop-up came.
    tab_click 0 --right
    adm menu --exe "$CONSOLE" --timeout 4000 "#2>$choice" 2>/dev/null ||
      { tab_click 0 --right && adm menu --exe "$CONSOLE" "#2>$choice"; }
    console_list
    assert_eq "$TSR_APP_WINDIR\\DocStyles\\$file" "$(con_text $ID_PATH)" "style $choice: path label"
    assert_match "$text" "$(con_whole_text $ID_EDITOR)" "style $choice: loaded into the editor"
  done <<'EOF'
#1 HighContrast.html font-family: Verdana
#3 Plain.html font-family: Georgia
EOF
  # Loaded through the working copy, which the viewer shows.
  assert_match 'index\.html~$' "$(con_text $ID_LOCATION)" "the viewer shows the working copy"
  assert_file_contains "$(doc_file)~" "font-family: Georgia"
}

# Closing with an edit asks "Do you want to save changes?".
prompt() {
  local answer=$1 text="<p>Answer $1</p>"
  console_open "save prompt $answer" || return
  tab_click 0 --double
  type_at_end "$text"
  adm close --exe "$CONSOLE" --title "$CAPTION"
  assert_eq "Do you want to save changes?" "$(box_answer "Save File" "$answer")" "the save prompt"
  tsr_wait_exit 15 || { tsr_fail "save prompt $answer: the console did not end"; console_stop; return; }
  assert_eq 0 "$TSR_EXIT_CODE" "save prompt $answer: exit code"
  if [ "$answer" = Yes ]; then assert_file_contains "$(doc_file)" "$text"; else assert_file_not_contains "$(doc_file)" "$text"; fi
}

# A PDF document is only viewed: every toggle ends in the viewer.
pdf() {
  console_folder Pdf || return
  printf '%%PDF-1.4\n%% not much of a document\n' >"$TSR_APP_DIR/Documents/policy.pdf"
  ini_set "$TSR_APP_DIR/Tessarin.ini" "Declaration Document" "$TSR_APP_WINDIR\Documents\policy.pdf"
  console_open "PDF document" || return
  assert_eq "$TSR_APP_WINDIR\\Documents\\policy.pdf" "$(con_text $ID_PATH)" "the PDF is the document"
  assert_match 'policy\.pdf$' "$(con_text $ID_LOCATION)" "the viewer shows the PDF itself"
  local how
  for how in start double-click view-item docmenu-item tab-return; do
    case $how in
      double-click) tab_click 0 --double ;;
      view-item) view_toggle ;;
      docmenu-item) tab_click 0 --right && adm menu --exe "$CONSOLE" "#1" ;;
      tab-return) tab_click 1 && tab_click 0 ;;
    esac
    console_list
    assert_eq "Doc Viewer $ID_VIEWER" "$(first_caption) $(con_page)" "PDF after $how: the viewer"
  done
  view_item view-pdf
  docmenu_item docmenu-pdf
  assert_eq 1 "$(same_picture "$TSR_LOG_DIR/view-viewer.png" "$TSR_LOG_DIR/view-pdf.png")" \
    "PDF: the View item reads Doc Editor"
  assert_eq 1 "$(same_picture "$TSR_LOG_DIR/docmenu-editor.png" "$TSR_LOG_DIR/docmenu-pdf.png")" \
    "PDF: DocMenu's first item reads Doc Viewer"
  shot console-doc-pdf
  console_close "PDF document"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  console_folder Doc || continue
  style_dates
  console_open "document tab" || continue
  modes
  edits
  editor_keys
  saves
  styles
  console_close "document tab"
  console_folder Doc
  prompt Yes
  prompt No
  pdf
done
tsr_finish
