#!/usr/bin/env bash
# The setup tool's two boxes, on the desktop and unattended: the help box
# (eleven lines, exit code 3, no log) and the critical box of a log that
# cannot be written (exit code 2); unattended (TSR_UNATTENDED=1) the same
# texts go to files beside the check log and the tool ends without waiting.
# Also the version resource and the DLLs the tool imports.
source "$(dirname "$0")/lib.sh"

HELP_TITLE="Tessarin PC Configuration Check"
ERROR_TITLE="Tessarin PC Configuration"
HELP_LINES=$(printf '%s\n' \
  'Program Syntax: Kelvane [Configuation Option],[Check Log File]' \
  'Configuation Options: [Tessarin Program][None]' \
  '' \
  'eg. Set up Tessarin ' \
  'Kelvane.exe Z:\CompanyFiles\Apps\Tessarin.exe, Z:\CompanyFiles\Users\Tessarin\[Tessarin.log]' \
  '' \
  'eg. Remove Tessarin ' \
  'Kelvane.exe None, Z:\CompanyFiles\Users\Tessarin\' \
  '' \
  'eg. Check Tessarin ' \
  'Kelvane.exe , Z:\CompanyFiles\Users\Tessarin\')
# The box text: the eleven lines joined by CR LF, no line end after the last.
HELP_TEXT=${HELP_LINES//$'\n'/$'\r\n'}

# The whole content of a file, with its line ends.
content_of() { cat "$1" 2>/dev/null; echo x; }

# box_case NAME TITLE EXPECTED_EXIT ARGS...: the box must show with its
# title, is screenshot, read, confirmed with OK, and the tool must then end.
box_case() {
  local name=$1 title=$2 expected=$3
  shift 3
  tsr_start "$TSR_APP_DIR" Kelvane.exe "$@"
  if tsr_driver wait-window --title "$title" --timeout 20000 >/dev/null; then
    tsr_screenshot "kelvane-$name-$TSR_FLAVOUR" >/dev/null
    BOX_TEXT=$(tsr_driver get-text --title "$title" --id 65535)
    BOX_LIST=$(tsr_driver list --title "$title")
    tsr_driver click --title "$title" --text OK >/dev/null
  else
    BOX_TEXT="<no box>"
    BOX_LIST=""
    tsr_fail "$name: no box titled '$title'"
  fi
  tsr_wait_exit 15 || tsr_stop
  assert_eq "$expected" "$TSR_EXIT_CODE" "$name: exit code"
}

# unattended ARGS...: runs the tool with the override; it must end by itself.
unattended() {
  TSR_UNATTENDED=1 tsr_start "$TSR_APP_DIR" Kelvane.exe "$@"
  if ! tsr_wait_exit 20; then
    tsr_screenshot "kelvane-unattended-hung-$TSR_FLAVOUR" >/dev/null
    tsr_fail "unattended Kelvane $* waited"
    tsr_stop
  fi
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  tsr_app_folder KelvaneBox "$(tsr_setup_exe)" >/dev/null
  mkdir -p "$TSR_APP_DIR/Logs"

  # The help box: empty command line, upper case, with a log location.
  box_case help "$HELP_TITLE" 3
  assert_eq "$HELP_TEXT" "$BOX_TEXT" "help box text"
  assert_eq 11 "$(printf '%s\n' "$BOX_TEXT" | wc -l)" "help box line count"
  assert_match 'Button	1	1	1	.*"OK"' "$BOX_LIST" "help box has one OK button"
  box_case help-upper "$HELP_TITLE" 3 '/H,C:\Tsr\KelvaneBox\Logs\'
  assert_eq "$HELP_TEXT" "$BOX_TEXT" "help box text for /H"
  assert_eq "" "$(ls "$TSR_APP_DIR" "$TSR_APP_DIR/Logs" | grep -i '\.log$')" "no check log after help"

  # The critical box: a folder given without its final backslash, and a
  # folder with a blank after it.
  box_case error "$ERROR_TITLE" 2 ',C:\Tsr\KelvaneBox\Logs'
  assert_match '^.+ C:\\Tsr\\KelvaneBox\\Logs$' "$BOX_TEXT" "error box: description, blank, path"
  assert_match 'Static	65535' "$BOX_LIST" "error box has its text"
  box_case error-blank "$ERROR_TITLE" 2 ',C:\Tsr\KelvaneBox\Logs\' ',2'
  assert_match '^.+ C:\\Tsr\\KelvaneBox\\Logs\\$' "$BOX_TEXT" "error box names the trimmed path"

  # Unattended: the same texts to files, no box, no wait.
  unattended
  assert_eq 3 "$TSR_EXIT_CODE" "unattended help: exit code"
  assert_eq "$HELP_TEXT"$'\r\n'x "$(content_of "$TSR_APP_DIR/root_TsrChkHelp.txt")" "unattended help file"
  unattended '/h,C:\Tsr\KelvaneBox\Logs\'
  assert_eq "$HELP_TEXT"$'\r\n'x "$(content_of "$TSR_APP_DIR/Logs/root_TsrChkHelp.txt")" "help file in the log folder"
  unattended ',C:\Tsr\KelvaneBox\Logs\' ',2'
  assert_eq 2 "$TSR_EXIT_CODE" "unattended error: exit code"
  assert_match $'^.+ C:\\\\Tsr\\\\KelvaneBox\\\\Logs\\\\\r\nx$' "$(content_of "$TSR_APP_DIR/Logs/root_TsrChkError.txt")" \
    "unattended error file"
  # A log name the file system rejects: the error beside it, no wait.
  unattended ',C:\Tsr\KelvaneBox\Logs\a<b>|c.log'
  assert_eq 2 "$TSR_EXIT_CODE" "unattended error for an invalid log name: exit code"
  assert_match $'^.+ C:\\\\Tsr\\\\KelvaneBox\\\\Logs\\\\a<b>\\|c\\.log\r\nx$' \
    "$(content_of "$TSR_APP_DIR/Logs/root_TsrChkError.txt")" "error file for an invalid log name"
  # A log folder that does not exist: nowhere to write, but still no wait.
  unattended ',C:\Tsr\KelvaneBox\Missing\'
  assert_eq 2 "$TSR_EXIT_CODE" "unattended error with a missing folder: exit code"
  assert_eq "" "$(tsr_driver windows 2>/dev/null | grep -F "$ERROR_TITLE")" "no box left behind"

  # Version resource (the import table: tests/tools/imports_test.sh).
  exe=$(tsr_setup_exe)
  # The resource strings are UTF-16: without their NULs they read as plain text.
  resource_text=$(LC_ALL=C tr -d '\000' <"$exe" | LC_ALL=C grep -aoE \
    'This program is used to set the computer to run Tessarin program automatically\.|FileVersion4\.02|ProductVersion4\.02' \
    | LC_ALL=C sort -u | xargs -d '\n' echo)
  assert_eq "FileVersion4.02 ProductVersion4.02 This program is used to set the computer to run Tessarin program automatically." \
    "$resource_text" "version resource with the description and 4.02"
done
tsr_finish
