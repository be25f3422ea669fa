#!/usr/bin/env bash
# The user-profiles window (frmUsers) from the settings table's pop-up menu:
# placed at the main window's right edge, its two modes and their captions,
# the settings copied to three users of a typed list (names no file can hold
# skipped and named), two of them deleted after the confirmation, and the
# bad input: no "Profiles" folder, a read-only profile, a users file of
# 100,000 names (imported, copied with progress, stopped by Close) and one of
# binary bytes. Screenshots of both modes and of the confirmation.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/console_tables_lib.sh"

COPY_TITLE="Users"
DELETE_TITLE="User Settings"
SETTINGS_LINES=("Declaration Period Days=7,0,1,7" "CheckBox Caption=I, User Name, have read it")

# users_window ACTION TITLE [SHOT]: "Copy Settings" (1) or "Delete User
# Settings" (2) from the settings table's menu (SHOT: a screenshot of it).
users_window() {
  tab "$TAB_SETTINGS"
  table_menu "$ID_SETTINGS" "$1" ${3:+"$3"} || return 1
  adm wait-window --title "$2" --timeout 5000 >/dev/null || { tsr_fail "no '$2' window"; return 1; }
}
users_button() { adm get-text --title "$1" --id "$ID_USERS_ACTION" | tr -d '\r'; }
close_users() { adm click --title "$1" --id "$ID_USERS_CLOSE"; }
profiles() { ls "$TSR_APP_DIR/Profiles" 2>/dev/null | sort | tr '\n' ' '; }
# top_rect TITLE: "left top right bottom" of a top-level window.
top_rect() { adm list --title "$1" | head -1 | cut -f6 | tr ',' ' '; }

copy_and_delete() {
  users_window 1 "$COPY_TITLE" console-settings-menu || return 1
  local main users
  read -r -a main <<<"$(top_rect "$CAPTION")"
  read -r -a users <<<"$(top_rect "$COPY_TITLE")"
  assert_eq "${main[2]} ${main[1]}" "${users[0]} ${users[1]}" "the window's left and top: the main window's right and top"
  assert_eq "&Import" "$(users_button "$COPY_TITLE")" "copy mode, empty list: the button imports"
  adm type --title "$COPY_TITLE" --id "$ID_USERS_TEXT" $'anna\n b \n carl \ndora\nanna/x\ncon\n..\\..\\evil'
  assert_eq "&Copy" "$(users_button "$COPY_TITLE")" "a list typed: the button copies"
  shot console-users-copy
  adm click --title "$COPY_TITLE" --id "$ID_USERS_ACTION"
  assert_eq "Settings have been copied for 3 of 6 users. Skipped, not a file name: anna/x, con, ..\\..\\evil." \
    "$(status)" "status after copying"
  assert_eq "anna.ini carl.ini dora.ini old.ini readme.ini.txt " "$(profiles)" "profiles written"
  assert_eq "${SETTINGS_LINES[*]}" "$(lines "$TSR_APP_DIR/Profiles/carl.ini" | paste -sd' ')" "carl's profile"
  assert_file_missing "$TSR_APP_DIR/../evil.ini"
  assert_eq "Profiles Tessarin.exe Tessarin.ini TsrAdmin.exe " "$(ls "$TSR_APP_DIR" | sort | tr '\n' ' ')" \
    "nothing written outside Profiles"
  close_users "$COPY_TITLE"

  users_window 2 "$DELETE_TITLE" || return 1
  assert_eq "&Delete" "$(users_button "$DELETE_TITLE")" "delete mode: the button deletes"
  # A multi-select list: a letter moves to the name, Space selects it.
  adm type --title "$DELETE_TITLE" --id "$ID_FILE_LIST" --input a type --input " " type --input c type --input " "
  shot console-users-delete
  adm click --title "$DELETE_TITLE" --id "$ID_USERS_ACTION"
  if adm wait-window --title "Delete user settings" --timeout 5000 >/dev/null; then
    shot console-users-delete-confirm
    adm click --title "Delete user settings" --text "&Yes"
  else
    tsr_fail "no confirmation before deleting"
  fi
  assert_eq "Settings have been deleted for all selected users" "$(status)" "status after deleting"
  assert_eq "dora.ini old.ini readme.ini.txt " "$(profiles)" "anna and carl deleted"
  close_users "$DELETE_TITLE"
}

# No "Profiles" folder, then a read-only profile: clear texts, nothing lost.
unusable_profiles() {
  rm -rf "$TSR_APP_DIR/Profiles"
  users_window 2 "$DELETE_TITLE" || return 1
  adm click --title "$DELETE_TITLE" --id "$ID_USERS_ACTION"
  adm wait-window --title "Delete user settings" --timeout 5000 >/dev/null &&
    adm click --title "Delete user settings" --text "&Yes"
  assert_eq "Settings have been deleted for all selected users" "$(status)" "no Profiles folder: nothing to delete"
  close_users "$DELETE_TITLE"
  users_window 1 "$COPY_TITLE" || return 1
  adm type --title "$COPY_TITLE" --id "$ID_USERS_TEXT" anna click --id "$ID_USERS_ACTION"
  assert_eq "Settings have been copied for 0 of 1 users. Could not write: anna.ini." "$(status)" \
    "no Profiles folder: the profile that could not be written is named"
  close_users "$COPY_TITLE"

  tsr_write_file "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=1/1/2026"
  chmod a-w "$TSR_APP_DIR/Profiles/anna.ini"
  users_window 1 "$COPY_TITLE" || return 1
  adm type --title "$COPY_TITLE" --id "$ID_USERS_TEXT" $'anna\ncarl' click --id "$ID_USERS_ACTION"
  assert_eq "Settings have been copied for 1 of 2 users. Could not write: anna.ini." "$(status)" \
    "a read-only profile is named"
  close_users "$COPY_TITLE"
  assert_eq "Last Run=1/1/2026" "$(lines "$TSR_APP_DIR/Profiles/anna.ini")" "the read-only profile is unchanged"
  chmod u+w "$TSR_APP_DIR/Profiles/anna.ini"
}

# A users file of 100,000 names: imported under a wait cursor, copied with
# the progress in the status bar while the window answers, stopped by Close.
many_users() {
  rm -rf "$TSR_APP_DIR/Profiles"
  mkdir -p "$TSR_APP_DIR/Profiles"
  seq -f 'user%06g' 1 100000 | sed 's/$/\r/' >"$TSR_APP_DIR/users.txt"
  users_window 1 "$COPY_TITLE" || return 1
  adm click --title "$COPY_TITLE" --id "$ID_USERS_ACTION"
  pick_file "import" "$TSR_APP_WINDIR\\users.txt"
  assert_eq "&Copy" "$(users_button "$COPY_TITLE")" "100,000 names imported"
  adm click --title "$COPY_TITLE" --id "$ID_USERS_ACTION"
  local first second done_count left
  sleep 1
  first=$(status)
  sleep 1
  second=$(status)
  shot console-users-copying
  assert_match "^Copying settings: [0-9]+ of 100000 users" "$first" "progress while copying"
  assert_ne "$first" "$second" "the progress moves on and the window answers"
  close_users "$COPY_TITLE"
  local final
  final=$(status)
  assert_match "^Settings have been copied for [0-9]+ of 100000 users\. Stopped: [0-9]+ users not copied\.$" \
    "$final" "Close stops the copy and says how far it got"
  done_count=$(sed 's/^Settings have been copied for \([0-9]*\) .*/\1/' <<<"$final")
  left=$(sed 's/.*Stopped: \([0-9]*\) .*/\1/' <<<"$final")
  assert_eq "$done_count 100000" "$(ls "$TSR_APP_DIR/Profiles" | wc -l) $((done_count + left))" \
    "profiles written as reported, the rest counted"
  adm wait-window --title "$COPY_TITLE" --timeout 1000 >/dev/null 2>&1 && tsr_fail "the window stayed after Close"

  # Binary bytes in a users file: imported and copied without a crash.
  printf 'ok1\r\n\x00\x01\x02bin\xff\r\n\x7f\x80name\r\n' >"$TSR_APP_DIR/binary.txt"
  users_window 1 "$COPY_TITLE" || return 1
  adm click --title "$COPY_TITLE" --id "$ID_USERS_ACTION"
  pick_file "import" "$TSR_APP_WINDIR\\binary.txt"
  adm click --title "$COPY_TITLE" --id "$ID_USERS_ACTION"
  assert_match "^Settings have been copied for" "$(status)" "a users file of binary bytes: a status text"
  assert_file_exists "$TSR_APP_DIR/Profiles/ok1.ini"
  close_users "$COPY_TITLE"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  TSR_LANG=en_US.UTF-8
  console_folder Profiles1 >/dev/null || continue
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "${SETTINGS_LINES[@]}"
  tsr_write_file "$TSR_APP_DIR/Profiles/old.ini" "Last Run=1/1/2026"
  tsr_write_file "$TSR_APP_DIR/Profiles/readme.ini.txt" "not a profile, but listed"
  rm -f "$TSR_APP_DIR/../evil.ini"
  console_open || continue
  copy_and_delete
  unusable_profiles
  many_users
  console_close
done
tsr_finish
